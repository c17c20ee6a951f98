// Tests of the board: display members, zoom-derived sizes, window points, board slots.
#include "render/board.h"

#include <gtest/gtest.h>

#include "game/grid_fixture.h"
#include "game/grid_slots.h"
#include "hexagon/shape.h"

namespace qiro {
namespace {

TEST(Board, CellSizeSetsNumberFontHeightAndHexagonSize) {
  Grid grid;
  Board board(grid);
  board.setCellSizePx(50);
  EXPECT_EQ(board.cellSizePx(), 50);
  EXPECT_EQ(board.numberFontHeight(), 27);
  EXPECT_EQ(grid.hexagonSize(), 50);
}

TEST(Board, SizesFollowTheZoomStep) {
  struct Case {
    int size = 0;
    BoardSizes expected;
  };
  // numbers height, width; marks height, width, lift; outline pen; heavy pen
  const Case cases[] = {
      {40, {22, 11, 10, 5, 5, 1, 7}},    {50, {27, 13, 12, 6, 6, 1, 9}},
      {60, {33, 16, 15, 7, 8, 1, 11}},   {70, {38, 19, 17, 8, 9, 1, 12}},
      {45, {24, 12, 11, 5, 0, 1, 8}},     // not a zoom step: no lift
      {120, {66, 33, 30, 15, 0, 3, 21}},  // the outline pen grows every 40 pixels
  };
  for (const Case& c : cases) {
    Grid grid;
    Board board(grid);
    board.setCellSizePx(c.size);
    EXPECT_EQ(board.sizes(), c.expected) << "size " << c.size;
  }
}

TEST(Board, WindowPointsAreSeenFromTheCurrentOrigin) {
  DrawingContext context;
  context.setBaseOrigin(400, 300);
  context.setOriginMm(0, 0);
  Grid grid;
  Board board(grid);
  board.setBoardContext(&context);
  EXPECT_EQ(board.windowToBoard(410, 280), (Point{10, 20}));
  EXPECT_EQ(board.windowToBoard(400, 300), (Point{0, 0}));
  board.setBoardContext(nullptr);
  EXPECT_EQ(board.windowToBoard(410, 280), (Point{410, -280}));
}

TEST(Board, TriangleStyleMakesTheMarkTableFollowTheZoom) {
  Grid grid = gridOf("X");
  Board board(grid);
  board.setCellSizePx(70);
  const MarkTable atSize40 = computeMarkTable(Grid().hexagonShapeOf().shape, 40);
  const MarkTable atSize70 = computeMarkTable(grid.hexagonShapeOf().shape, 70);
  EXPECT_EQ(grid.markTable().ab, atSize40.ab) << "a zoom alone keeps the table";
  board.setCellStyle(9);
  EXPECT_EQ(grid.markTable().ab, atSize40.ab) << "another style keeps the table";
  board.setCellStyle(kTriangleCellStyle);
  EXPECT_EQ(grid.markTable().ab, atSize70.ab);
  EXPECT_EQ(grid.markTable().af, atSize70.af);
}

TEST(Board, KeyAlsoNamesTheGrid) {
  Grid grid;
  Board board(grid);
  board.setKey("G42");
  EXPECT_EQ(board.key().view(), "G42");
  EXPECT_EQ(grid.name().view(), "G42");
}

TEST(Board, SlotsPairWithTheGridSlotsAndAStrangeSlotGetsASpare) {
  for (const int slot : {0, 7, 15}) {
    EXPECT_EQ(&boardSlot(slot).grid(), &gridSlot(slot));
    EXPECT_EQ(boardSlot(slot).boardSlot(), slot);
  }
  for (const int slot : {-1, 16, 1000}) {
    Board& spare = boardSlot(slot);
    for (int real = 0; real < kGridSlots; ++real)
      EXPECT_NE(&spare.grid(), &gridSlot(real));
    spare.setKey("K");
    spare.setCellSizePx(70);
    EXPECT_EQ(boardSlot(slot).key().view(), "") << "emptied on every request";
    EXPECT_EQ(boardSlot(slot).cellSizePx(), 15);
    EXPECT_EQ(boardSlot(slot).grid().name().view(), "");
  }
}

}  // namespace
}  // namespace qiro
