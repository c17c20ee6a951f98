// Time of one move (fresh allowed sets, then the click) and of a game state round trip.
#include <benchmark/benchmark.h>

#include "game/game_state.h"
#include "game/grid.h"
#include "game/move_history.h"
#include "game/moves.h"
#include "patch_definition.h"

namespace qiro {
namespace {

// The first empty cell that allows a number, and that number.
std::pair<int, int> playableCell(Grid& grid) {
  recomputeAllowed(grid);
  for (int c = 1; c <= grid.cellCount(); ++c) {
    for (int n = 1; n <= kHighestNumber; ++n) {
      if (grid.cellIsEmpty(c) && isAllowed(grid, c, n)) return {c, n};
    }
  }
  return {0, 0};
}

// One iteration is one click; the clicks alternate between placing a number and erasing
// it again, so the board (and the history, whose two records cancel) stays the same.
void recomputeAndPlay(benchmark::State& state) {
  Grid grid;
  grid.setfromgrivecdef(patchDefinition(static_cast<int>(state.range(0))));
  fillHalfway(grid, false);
  const auto [cell, number] = playableCell(grid);
  MoveHistory history;
  for (auto _ : state) {
    recomputeAllowed(grid);
    const PlayResult result = playCurrent(grid, history, cell, number);
    if (result.outcome == PlayOutcome::kRefused) state.SkipWithError("the click was refused");
    benchmark::DoNotOptimize(result);
  }
  state.counters["cells"] = grid.cellCount();
}
BENCHMARK(recomputeAndPlay)->Arg(8)->Unit(benchmark::kMicrosecond);

// Decoding the state a grid encodes writes the same numbers and marks back.
void encodeAndDecode(benchmark::State& state) {
  Grid grid;
  grid.setfromgrivecdef(patchDefinition(static_cast<int>(state.range(0))));
  fillHalfway(grid, false);
  const Text before = encodeState(grid);
  for (auto _ : state) {
    const Text text = encodeState(grid);
    decodeState(grid, text);
    benchmark::DoNotOptimize(text.c_str());
  }
  if (encodeState(grid).view() != before.view()) state.SkipWithError("the state changed");
  state.counters["cells"] = grid.cellCount();
  state.counters["characters"] = before.length();
}
BENCHMARK(encodeAndDecode)->Arg(8)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qiro
