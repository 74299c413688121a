// The first search (circscan::reference) on chosen N of a `largest`
// question, for checking a record: every N above the answer must have no
// set of diameter at most d. Prints one line per N, "N none" or "N set...",
// with the wall time of its search.
//
//   circscan_reference_check K D N...
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "reference_search.h"
#include "search.h"

namespace {

// A whole number in [low, high], or -1.
std::int32_t Number(const char* text, std::int32_t low, std::int32_t high) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < low || value > high) return -1;
  return static_cast<std::int32_t>(value);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: circscan_reference_check K D N...\n");
    return 2;
  }
  const std::int32_t k = Number(argv[1], 1, 64);
  const std::int32_t d = Number(argv[2], 1, 1000);
  const auto bound = k > 0 && d > 0 ? circscan::LargestBound(k, d) : std::nullopt;
  if (!bound) {
    std::fprintf(stderr, "circscan_reference_check: K and D must give a bound up to 1000000\n");
    return 2;
  }
  std::vector<std::int32_t> counts;
  for (int i = 3; i < argc; ++i) {
    const std::int32_t n = Number(argv[i], 2 * k, *bound);
    if (n < 0) {
      std::fprintf(stderr, "circscan_reference_check: N '%s' is not in %d..%d\n", argv[i], 2 * k,
                   *bound);
      return 2;
    }
    counts.push_back(n);
  }
  for (const std::int32_t n : counts) {
    const auto start = std::chrono::steady_clock::now();
    const auto set = circscan::reference::FirstWithin(n, k, d);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::string line = std::to_string(n);
    if (!set) line += " none";
    for (const std::int32_t s : set ? *set : std::vector<std::int32_t>{}) {
      line += " " + std::to_string(s);
    }
    std::printf("%s  (%.1f s)\n", line.c_str(), took.count());
    std::fflush(stdout);
  }
  return 0;
}
