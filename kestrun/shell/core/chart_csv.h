// The numbers behind a D/AveD chart as comma-separated text, one line per
// vertex count, every value written so that it reads back to the same double.
#pragma once

#include <string>
#include <vector>

namespace kestrun {

struct ChartPoint {
  double x = 0;
  double y = 0;
};

// "N,D,AveD" and one line per distinct x of either series, x ascending. A
// series that holds the same x more than once (the charts append on every
// activation) counts with its last point; a series without that x leaves its
// field empty.
std::string ChartCsv(const std::vector<ChartPoint>& d, const std::vector<ChartPoint>& aveD);

// The shortest text that reads back to exactly `value`.
std::string RoundTrip(double value);

}  // namespace kestrun
