#include "circulant_series.h"

#include "core/diameter_series.h"

namespace kestrun {

CirculantMatrix CirculantHops(int n, const Generators& generators) {
  return AllPairsHops(CirculantAdjacency(n, generators));
}

void FillCirculantSeries() {
  for (std::size_t k = 0; k < kCirculantCounts.size(); ++k) {
    const CirculantMatrix hops = CirculantHops(kCirculantCounts[k].n, CirculantGenerators);
    CirculantSeries.D[k] = LargestHop(hops);
    CirculantSeries.AveD[k] = AverageHopFromVertex0(hops);
  }
}

}  // namespace kestrun
