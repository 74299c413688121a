// D and AveD of one topology for its fixed list of vertex counts, written by
// the topology window before it shows its chart window.
#pragma once

#include <array>
#include <cstdint>

namespace kestrun {

template <int K>
struct DiameterSeries {
  std::array<std::int32_t, K> D{};
  std::array<double, K> AveD{};
};

extern DiameterSeries<5> HypercubeSeries;  // N = 2, 4, 8, 16, 32
extern DiameterSeries<3> GenCubeSeries;    // N = 24, 27, 30
extern DiameterSeries<5> CirculantSeries;  // N = 35, 37, 38, 40, 41

}  // namespace kestrun
