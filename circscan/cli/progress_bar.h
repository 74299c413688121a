// A progress line on stderr while a search runs: only on a terminal, and
// only once the search has taken more than about a second.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "query.h"

namespace circscan {

// The share of the search done, by the weighed work when the search
// reports it and by the count of sets otherwise; 0 while unknown.
double ShareDone(const Progress& progress);

class ProgressBar {
 public:
  // Does nothing at all when stderr is not a terminal.
  explicit ProgressBar(const Progress& progress);
  ~ProgressBar();  // clears the line it drew
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

 private:
  void Run();

  const Progress& progress_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  bool drawn_ = false;
  std::thread thread_;
};

}  // namespace circscan
