// Tests of a grid's geometry: size and rotation, pencil marks, hit tests and extent.
#include <gtest/gtest.h>

#include "game/grid.h"
#include "grid_fixture.h"

namespace qiro {
namespace {

TEST(GridGeometry, RotationMovesPositionsAndKeepsTheCells) {
  Grid grid = gridOf("X,XA");
  const int c = grid.findCell(":AB");
  grid.setCellValue(c, 4);
  grid.cellRecord(c)->given = true;
  grid.cellRecord(c)->marks = 9;
  const MarkTable marks = grid.markTable();

  grid.setRotation(90);
  EXPECT_FALSE(grid.flags().positionsValid);
  EXPECT_EQ(grid.cellX(c), 0);
  EXPECT_EQ(grid.hexagonCentre(2), (Point{}));
  grid.prepareForPlay();
  // At rotation 90, A is (0, 40) and B (-35, 20).
  EXPECT_EQ(grid.cellX(c), -11);
  EXPECT_EQ(grid.cellY(c), 20);
  EXPECT_EQ(grid.hexagonCentre(grid.findHexagon("A")), (Point{0, 40}));
  EXPECT_EQ(grid.cellValue(c), 4);
  EXPECT_TRUE(grid.isGiven(c));
  EXPECT_EQ(grid.cellRecord(c)->marks, 9);
  EXPECT_EQ(grid.markTable().ab, marks.ab);  // only asked-for recomputations change it
  EXPECT_EQ(peersOf(grid, c).size(), 9U);
}

TEST(GridGeometry, HexagonSizeScalesPositionsAndTheMarkTableFollowsWhenAsked) {
  Grid grid = gridOf("X");
  EXPECT_EQ(grid.markPosition(1, 1), (Point{20, 22}));   // ":AB" at (20, 11)
  EXPECT_EQ(grid.markPosition(2, 6), (Point{20, -22}));  // ":AF" at (20, -11)
  grid.setHexagonSize(80, false);
  grid.prepareForPlay();
  EXPECT_EQ(grid.cellX(1), 40);
  EXPECT_EQ(grid.cellY(1), 23);
  EXPECT_EQ(grid.markPosition(1, 1), (Point{40, 34}));
  grid.computeMarkTable();
  EXPECT_EQ(grid.markPosition(1, 1), (Point{40, 46}));
  EXPECT_EQ(grid.hexagonShapeOf().shape.vx[kA], 80);
}

TEST(GridGeometry, HitTestsNumberCellsMarksAndHexagonsAsTheGridDoes) {
  Grid grid = gridOf("X,DD:AB");  // the origin full, D partial
  for (int c = 1; c <= grid.cellCount(); ++c) {
    EXPECT_EQ(grid.cellAt(grid.cellX(c), grid.cellY(c)), c);
    for (int k = 1; k <= 6; ++k) {
      const Point mark = grid.markPosition(c, k);
      EXPECT_EQ(grid.markAt(c, mark.x, mark.y), k) << c << " " << k;
    }
  }
  EXPECT_EQ(grid.cellAt(200, 200), 0);
  EXPECT_EQ(grid.hexagonAt(0, 0), 1);
  EXPECT_EQ(grid.hexagonAt(-40, 0), 0);
  EXPECT_EQ(grid.anyHexagonAt(-40, 0), 2);
  EXPECT_EQ(grid.hexagonCentre(2), (Point{-40, 0}));
  EXPECT_EQ(grid.touchingHexagonAt(-80, 0), grid.touchingList().findSorted("DD"));
  EXPECT_EQ(grid.touchingHexagonAt(0, 0), grid.touchingList().findSorted(""));
}

TEST(GridGeometry, BoundingBoxWidensTheCellsByTheHexagonSize) {
  const Grid grid = gridOf("X");
  EXPECT_EQ(grid.boundingBox(), (Box{-60, 60, 64, -64}));
}

}  // namespace
}  // namespace qiro
