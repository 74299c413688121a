// The chart button recomputes all five circulants on every press, and every
// selection redraws n * n pen moves; this keeps an eye on both.
#include <benchmark/benchmark.h>

#include "circulant_drawing.h"
#include "circulant_series.h"
#include "core/diameter_series.h"
#include "core/recording_canvas.h"

namespace {

void BM_FillCirculantSeries(benchmark::State& state) {
  kestrun::ResetCirculantGenerators();
  for (auto _ : state) {
    kestrun::FillCirculantSeries();
    benchmark::DoNotOptimize(kestrun::CirculantSeries);
  }
}
BENCHMARK(BM_FillCirculantSeries);

void BM_DrawCirculant(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    kestrun::RecordingCanvas canvas;
    kestrun::DrawCirculant(canvas, n, kestrun::kFixedGenerators);
    benchmark::DoNotOptimize(canvas.ops().size());
  }
}
BENCHMARK(BM_DrawCirculant)->Arg(35)->Arg(41);

}  // namespace

BENCHMARK_MAIN();
