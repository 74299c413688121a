#include "core/diameter_series.h"

namespace kestrun {

DiameterSeries<5> HypercubeSeries;
DiameterSeries<3> GenCubeSeries;
DiameterSeries<5> CirculantSeries;

}  // namespace kestrun
