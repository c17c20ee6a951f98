// Time to read a grid definition and make the grid ready for play.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "game/grid.h"

namespace qiro {
namespace {

// Steps in one direction: toward the first letter for positive counts, else the second.
std::string steps(int count, char positive, char negative) {
  return std::string(static_cast<std::size_t>(std::abs(count)), count >= 0 ? positive : negative);
}

// Every hexagon within radius steps of the origin: 3r(r+1)+1 hexagons, 6(r+1)^2 cells.
TextList patchDefinition(int radius) {
  TextList definition;
  for (int a = -radius; a <= radius; ++a) {
    for (int b = -radius; b <= radius; ++b) {
      const int distance = a * b >= 0 ? std::abs(a + b) : std::max(std::abs(a), std::abs(b));
      if (distance > radius) continue;
      definition.append("X" + steps(a, 'A', 'D') + steps(b, 'B', 'E'));
    }
  }
  return definition;
}

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
