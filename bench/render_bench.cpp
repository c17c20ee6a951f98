// Time of the board's background pass and content pass on a board of 486 cells at zoom 70.
#include <benchmark/benchmark.h>

#include <memory>

#include "game/grid.h"
#include "game/moves.h"
#include "patch_definition.h"
#include "platform/app.h"
#include "platform/canvas.h"
#include "render/board.h"
#include "render/board_painter.h"

namespace qiro {
namespace {

constexpr int kZoom = 70;

// The board, a layer just large enough for it, and a screen context drawing on it.
struct Page {
  Grid grid;
  Board board{grid};
  Layer layer{1, 1};
  std::unique_ptr<Canvas> canvas;
  DrawingContext context;
  PaintState state;

  Page() {
    ensureApplication();
    grid.setfromgrivecdef(patchDefinition(8));
    board.setCellSizePx(kZoom);
    board.setCellStyle(kTriangleCellStyle);
    grid.prepareForPlay();
    fillHalfway(grid, true);
    const Box box = grid.boundingBox();
    const int width = box.right - box.left + 1;
    const int height = box.top - box.bottom + 1;
    layer = Layer(width, height);
    canvas = std::make_unique<Canvas>(layer);
    context.setUpScreenPage(96, width, height, -box.left, box.top, canvas.get());
  }
};

void backgroundPass(benchmark::State& state) {
  Page page;
  for (auto _ : state)
    paintBoardBackground(page.board, page.context, page.state);
  state.counters["cells"] = page.grid.cellCount();
}
BENCHMARK(backgroundPass)->Unit(benchmark::kMillisecond);

// Onto the finished background each time, as the frame layer starts as its copy.
void contentPass(benchmark::State& state) {
  Page page;
  paintBoardBackground(page.board, page.context, page.state);
  for (auto _ : state)
    paintBoardContent(page.board, page.context, page.state);
  state.counters["cells"] = page.grid.cellCount();
}
BENCHMARK(contentPass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qiro
