#include "progress_bar.h"

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace circscan {
namespace {

std::string Count(double value) {
  char text[32];
  if (value >= 1e9) {
    std::snprintf(text, sizeof text, "%.1fG", value / 1e9);
  } else if (value >= 1e6) {
    std::snprintf(text, sizeof text, "%.1fM", value / 1e6);
  } else if (value >= 1e4) {
    std::snprintf(text, sizeof text, "%.0fk", value / 1e3);
  } else {
    std::snprintf(text, sizeof text, "%.0f", value);
  }
  return text;
}

std::string Duration(double seconds) {
  const auto s = static_cast<long long>(seconds + 0.5);
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  return text;
}

}  // namespace

double ShareDone(const Progress& progress) {
  const auto work = static_cast<double>(progress.work.load());
  const auto workTotal = static_cast<double>(progress.workTotal.load());
  if (workTotal > 0) return work < workTotal ? work / workTotal : 1.0;
  const auto done = static_cast<double>(progress.done.load());
  const auto total = static_cast<double>(progress.total.load());
  if (total > 0) return done < total ? done / total : 1.0;
  return 0;
}

ProgressBar::ProgressBar(const Progress& progress) : progress_(progress) {
  if (isatty(STDERR_FILENO) == 1) thread_ = std::thread([this] { Run(); });
}

ProgressBar::~ProgressBar() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
  if (drawn_) std::fputs("\r\033[K", stderr);
}

void ProgressBar::Run() {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  std::unique_lock lock(mutex_);
  // Quiet for the first second: short runs print nothing.
  if (wake_.wait_for(lock, std::chrono::seconds(1), [this] { return stop_; })) return;
  do {
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const auto done = static_cast<double>(progress_.done.load());
    const auto total = static_cast<double>(progress_.total.load());
    const double share = ShareDone(progress_);
    const double rate = done / seconds;
    std::string line = "\r";
    if (total > 0) {
      constexpr int kWidth = 24;
      const int filled = static_cast<int>(share * kWidth);
      line += '[' + std::string(static_cast<std::size_t>(filled), '#') +
              std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] ";
      char percent[16];
      std::snprintf(percent, sizeof percent, "%3.0f%%", share * 100);
      line += percent;
      line += "  " + Count(done) + " of " + Count(total) + " sets";
    } else {
      line += "N = " + std::to_string(progress_.vertexCount.load()) + "  " + Count(done) + " sets";
    }
    line += "  " + Count(rate) + " sets/s";
    // The time left follows the weighed work, not the count of sets.
    if (total > 0 && share > 0 && share < 1)
      line += "  " + Duration(seconds * (1 - share) / share) + " left";
    line += "\033[K";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    drawn_ = true;
  } while (!wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stop_; }));
}

}  // namespace circscan
