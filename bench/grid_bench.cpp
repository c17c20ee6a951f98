// Time to read a grid definition and make the grid ready for play.
#include <benchmark/benchmark.h>

#include "game/grid.h"
#include "patch_definition.h"

namespace qiro {
namespace {

void readAndPrepare(benchmark::State& state) {
  const TextList definition = patchDefinition(static_cast<int>(state.range(0)));
  Grid grid;
  for (auto _ : state) {
    grid.setfromgrivecdef(definition);
    grid.prepareForPlay();
    grid.ftbco();
    grid.ensureHoleLists();
    benchmark::DoNotOptimize(grid.cellCount());
  }
  state.counters["cells"] = grid.cellCount();
  state.counters["hexagons"] = grid.hexagonCount();
}
// Radius 3 gives 96 cells, radius 8 gives 486.
BENCHMARK(readAndPrepare)->Arg(3)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qiro
