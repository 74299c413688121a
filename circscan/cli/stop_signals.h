// While one of these lives, Ctrl-C and SIGTERM (what Slurm sends at the time
// limit) ask the search to stop after its finished units instead of killing
// the process; a second signal kills it as before.
#pragma once

#include <atomic>

namespace circscan {

class StopOnSignals {
 public:
  StopOnSignals();
  ~StopOnSignals();  // the signals' former handlers come back
  StopOnSignals(const StopOnSignals&) = delete;
  StopOnSignals& operator=(const StopOnSignals&) = delete;

  // The flag to pass to the search; the run may set it too, to stop on an error.
  static std::atomic<bool>& flag();
  // The signal that stopped the run, or 0.
  static int received();
};

}  // namespace circscan
