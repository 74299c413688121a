#include "stop_signals.h"

#include <csignal>

namespace circscan {
namespace {

std::atomic<bool> stopFlag{false};
volatile std::sig_atomic_t stopSignal = 0;
struct sigaction formerInt {};
struct sigaction formerTerm {};

static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnStopSignal(int signal) {
  if (stopSignal != 0) {
    // Asked twice: the user wants it gone now.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  stopSignal = signal;
  stopFlag.store(true);
}

}  // namespace

StopOnSignals::StopOnSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &formerInt);
  sigaction(SIGTERM, &action, &formerTerm);
}

StopOnSignals::~StopOnSignals() {
  sigaction(SIGINT, &formerInt, nullptr);
  sigaction(SIGTERM, &formerTerm, nullptr);
}

std::atomic<bool>& StopOnSignals::flag() { return stopFlag; }
int StopOnSignals::received() { return stopSignal; }

}  // namespace circscan
