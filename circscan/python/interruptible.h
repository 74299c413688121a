// Runs a search on its own thread while the calling thread, holding the GIL
// only briefly, looks for signals and reports progress. Python handles a
// signal only on its main thread, and only when that thread runs Python code,
// so a search on the calling thread would leave Ctrl-C pending until it ends.
#pragma once

#include <pybind11/pybind11.h>

#include <atomic>
#include <chrono>
#include <exception>
#include <future>

#include "query.h"

namespace circscan::python {

// Often enough that Ctrl-C ends a search well within a second.
inline constexpr std::chrono::milliseconds kPollInterval{50};

// `search(hooks)` runs with the GIL released. `onProgress`, when not None, is
// called as onProgress(done, total, vertex_count) at each poll and at the end. A pending
// signal or an exception from `onProgress` stops the search; once it has
// returned, that exception is raised in the caller (KeyboardInterrupt for
// Ctrl-C).
template <typename Search>
auto RunInterruptibly(Search search, const pybind11::object& onProgress) {
  Progress progress;
  std::atomic<bool> stop{false};
  const RunHooks hooks{.progress = &progress, .stop = &stop};
  auto running = std::async(std::launch::async, [&] { return search(hooks); });
  std::exception_ptr failure;
  {
    const pybind11::gil_scoped_release release;
    while (running.wait_for(kPollInterval) != std::future_status::ready) {
      if (failure) continue;
      const pybind11::gil_scoped_acquire acquire;
      try {
        if (PyErr_CheckSignals() != 0) throw pybind11::error_already_set();
        if (!onProgress.is_none()) {
          onProgress(progress.done.load(), progress.total.load(), progress.vertexCount.load());
        }
      } catch (...) {
        failure = std::current_exception();
        stop = true;
      }
    }
  }
  auto result = running.get();  // rethrows what the search threw (MemoryError for bad_alloc)
  if (failure) std::rethrow_exception(failure);
  // The last poll may have come before the last units finished.
  if (!onProgress.is_none()) {
    onProgress(progress.done.load(), progress.total.load(), progress.vertexCount.load());
  }
  return result;
}

}  // namespace circscan::python
