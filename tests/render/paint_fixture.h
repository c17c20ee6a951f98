// Painting a board into an off-screen layer and reading its pixels back at board points.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "game/grid_fixture.h"
#include "platform/app.h"
#include "platform/canvas.h"
#include "render/board.h"
#include "render/board_painter.h"

namespace qiro {

constexpr unsigned kWhite = 0xFFFFFF;
constexpr int kPage = 400;
constexpr int kOrigin = 200;  // the base origin, in the middle of the page

class PaintFixture : public ::testing::Test {
 protected:
  PaintFixture() { ensureApplication(); }

  // The grid of the tokens, ready for play, as the board at zoom step size.
  void load(const char* tokens, int size = 70) {
    grid = gridOf(tokens);
    board.setCellSizePx(size);
    board.setCellStyle(kTriangleCellStyle);
    grid.prepareForPlay();
  }

  static constexpr unsigned kBackground = 1;
  static constexpr unsigned kContent = 2;

  // A white page with the chosen passes and the selection painted on it, through a screen
  // context of 96 dots per inch.
  Layer paint(unsigned passes, const HexagonSelection& selection = {}) {
    Layer layer(kPage, kPage);
    {
      Canvas canvas(layer);
      DrawingContext context;
      context.setUpScreenPage(96, kPage, kPage, kOrigin, kOrigin, &canvas);
      if ((passes & kBackground) != 0) paintBoardBackground(board, context, state);
      if ((passes & kContent) != 0) paintBoardContent(board, context, state);
      paintSelectedHexagons(board, context, selection);
    }
    return layer;
  }

  // Device pixel of a board point.
  static int deviceX(int x) { return kOrigin + x; }
  static int deviceY(int y) { return kOrigin - y; }
  static unsigned at(const Layer& layer, Point p) {
    return layer.pixel(deviceX(p.x), deviceY(p.y));
  }

  // How many pixels of exactly that colour lie within radius (a square) of a board point.
  static int countNear(const Layer& layer, Point p, int radius, unsigned colour) {
    int count = 0;
    for (int dy = -radius; dy <= radius; ++dy) {
      for (int dx = -radius; dx <= radius; ++dx) {
        if (layer.pixel(deviceX(p.x) + dx, deviceY(p.y) + dy) == colour) ++count;
      }
    }
    return count;
  }

  // Device pixels that differ between two pages.
  static std::vector<Point> changed(const Layer& a, const Layer& b) {
    std::vector<Point> points;
    for (int y = 0; y < kPage; ++y) {
      for (int x = 0; x < kPage; ++x) {
        if (a.pixel(x, y) != b.pixel(x, y)) points.push_back({x, y});
      }
    }
    return points;
  }

  static bool samePage(const Layer& a, const Layer& b) { return changed(a, b).empty(); }

  Grid grid;
  Board board{grid};
  PaintState state;
};

}  // namespace qiro
