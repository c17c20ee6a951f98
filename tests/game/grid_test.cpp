// Tests of the grid model: reading a definition, numbering, derived lists and accessors.
#include "game/grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/grid_slots.h"
#include "grid_fixture.h"

namespace qiro {
namespace {

using Labels = std::vector<std::string>;
using Peers = std::vector<int>;

TEST(Grid, OneHexagonGivesSixNumberedCellsWithRowsColumnsAndPositions) {
  const Grid grid = gridOf("X");
  struct Expected {
    const char* label;
    int row;
    int column;
    int x;
    int y;
  };
  const Expected cells[] = {
      {":AB", 1, 3, 20, 11},   {":AF", 2, 3, 20, -11},   {"C:AF", 1, 2, 0, 24},
      {"D:AB", 1, 1, -20, 11}, {"D:AF", 2, 1, -20, -11}, {"E:AB", 2, 2, 0, -24},
  };
  ASSERT_EQ(grid.cellCount(), 6);
  for (int c = 1; c <= 6; ++c) {
    const Expected& e = cells[c - 1];
    const GridCell& cell = *grid.cellRecord(c);
    EXPECT_EQ(grid.findCell(e.label), c);
    EXPECT_EQ(cell.row, e.row) << e.label;
    EXPECT_EQ(cell.column, e.column) << e.label;
    EXPECT_EQ(cell.columnRank, e.column) << e.label;
    EXPECT_EQ(grid.cellX(c), e.x) << e.label;
    EXPECT_EQ(grid.cellY(c), e.y) << e.label;
    EXPECT_EQ(cell.value, 0);
    EXPECT_EQ(cell.allowed, 0);
  }
  EXPECT_EQ(labelsOf(grid.hexagonList()), Labels{""});
  EXPECT_EQ(grid.hexagonCount(), 1);
  EXPECT_EQ(grid.partialCount(), 0);
  EXPECT_EQ(grid.touchingCount(), 7);
  EXPECT_EQ(grid.maxRow(), 2);
  EXPECT_EQ(grid.maxColumn(), 3);
  EXPECT_EQ(grid.hexagonCentre(1), (Point{0, 0}));
  EXPECT_TRUE(grid.solutionMap().isEmpty());
  EXPECT_FALSE(grid.hasSolution());
}

TEST(Grid, ValueTokensFillTheSolutionMap) {
  const Grid grid = gridOf("X,WPJ%90,XAVUK%75");
  EXPECT_EQ(grid.cellCount(), 10);
  EXPECT_EQ(labelsOf(grid.hexagonList()), (Labels{"", "A"}));
  EXPECT_EQ(labelsOf(grid.solutionMap()), (Labels{":AB=1,90", "A:AF=6,75"}));
  EXPECT_TRUE(grid.hasSolution());

  // A later token for the same cell wins; a token without a value stores nothing.
  EXPECT_EQ(labelsOf(gridOf("WPJ%90,:AB,WQJ").solutionMap()), Labels{":AB=2,0"});
  EXPECT_FALSE(gridOf(":ABPJ%90,WZJ%90").hasSolution());
}

TEST(Grid, CellsAndFullHexagonsFollowFromHexagonsAndNamedCells) {
  struct Case {
    const char* definition;
    int cells;
    Labels full;
    Labels partial;
  };
  const Case cases[] = {
      {"", 0, {}, {}},
      {"XAC,XB,xb", 6, {"B"}, {}},
      // Six cells named one by one close the hexagon they surround.
      {":AB,:AF,C:AF,D:AB,D:AF,E:AB", 6, {""}, {}},
      // A ring of six hexagons makes the one they surround full too; each hexagon
      // between two of the ring has three corners among the cells.
      {"XA,XB,XC,XD,XE,XF",
       24,
       {"", "A", "B", "C", "D", "E", "F"},
       {"AB", "AF", "BC", "CD", "DE", "EF"}},
      // A cell on no listed hexagon is a cell all the same; with two of the origin's
      // corners it puts three corners on hexagon D.
      {"X,DD:AB", 7, {""}, {"D"}},
  };
  for (const Case& c : cases) {
    const Grid grid = gridOf(c.definition);
    EXPECT_EQ(grid.cellCount(), c.cells) << c.definition;
    EXPECT_EQ(labelsOf(grid.hexagonList()), c.full) << c.definition;
    EXPECT_EQ(labelsOf(grid.partialList()), c.partial) << c.definition;
    EXPECT_EQ(grid.allHexagonCount(), std::ssize(c.full) + std::ssize(c.partial));
  }
  const Grid named = gridOf("X,DD:AB");
  EXPECT_EQ(named.findCell("DD:AB"), 6);  // after D:AF, before E:AB
  EXPECT_EQ(named.findCell("E:AB"), 7);
  EXPECT_EQ(peersOf(named, 6), (Peers{4, 5}));
}

TEST(Grid, NumberingDoesNotDependOnTheOrderOfTheDefinition) {
  const Grid a = gridOf("XA,X,XE,DD:AB,WPJ%90");
  const Grid b = gridOf("WPJ%90,DD:AB,XE,XA2D,XA,X");
  ASSERT_EQ(labelsOf(a.cellList()), labelsOf(b.cellList()));
  EXPECT_EQ(labelsOf(a.hexagonList()), labelsOf(b.hexagonList()));
  EXPECT_EQ(labelsOf(a.partialList()), labelsOf(b.partialList()));
  for (int c = 1; c <= a.cellCount(); ++c) {
    EXPECT_EQ(peersOf(a, c), peersOf(b, c)) << c;
    EXPECT_EQ(a.cellX(c), b.cellX(c)) << c;
    EXPECT_EQ(a.cellY(c), b.cellY(c)) << c;
  }
}

TEST(Grid, PeersAreTheOtherCellsOnTheThreeHexagonsRoundACell) {
  const Grid one = gridOf("X");
  for (int c = 1; c <= 6; ++c)
    EXPECT_EQ(peersOf(one, c).size(), 5U) << c;
  EXPECT_EQ(peersOf(one, 1), (Peers{2, 3, 4, 5, 6}));
  EXPECT_EQ(one.peer(1, 5), 0);

  // The two corners shared by neighbouring hexagons see both; the corners next to
  // them also see the other hexagon's corner on a third hexagon.
  const Grid two = gridOf("X,XA");
  EXPECT_EQ(peersOf(two, two.findCell(":AB")), (Peers{2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(peersOf(two, two.findCell(":AF")).size(), 9U);
  EXPECT_EQ(peersOf(two, two.findCell("C:AF")), (Peers{1, 2, 5, 7, 8, 9}));  // 5 is B:AF
  for (int k = kMaxPeers; k < kPeerSlots; ++k)
    EXPECT_EQ(two.peer(1, k), 0);
}

TEST(Grid, EmptyGridIsValid) {
  Grid grid = gridOf("");
  EXPECT_EQ(grid.cellCount(), 0);
  EXPECT_EQ(grid.hexagonCount(), 0);
  EXPECT_EQ(grid.partialCount(), 0);
  EXPECT_EQ(grid.allHexagonCount(), 0);
  EXPECT_EQ(grid.touchingCount(), 0);
  EXPECT_EQ(grid.maxRow(), 0);
  EXPECT_TRUE(grid.allFilled());
  EXPECT_EQ(grid.boundingBox(), (Box{-40, 40, 40, -40}));
  EXPECT_EQ(grid.cellAt(0, 0), 0);
  EXPECT_EQ(grid.anyHexagonAt(0, 0), 0);
  EXPECT_EQ(grid.touchingHexagonAt(0, 0), 0);
  EXPECT_TRUE(grid.links1().isEmpty());
  EXPECT_TRUE(grid.holeList().isEmpty());
}

TEST(Grid, NumbersThatNameNoCellReadAsNothingAndChangeNothing) {
  Grid grid = gridOf("X");
  for (int c : {-1, 0, 7, 1 << 20}) {
    grid.setCellValue(c, 3);
    grid.setAllowedSet(c, 5);
    grid.clearGiven(c);
    EXPECT_EQ(grid.cellRecord(c), nullptr) << c;
    EXPECT_EQ(grid.cellValue(c), 0) << c;
    EXPECT_FALSE(grid.cellIsEmpty(c)) << c;
    EXPECT_FALSE(grid.cellIsFilled(c)) << c;
    EXPECT_FALSE(grid.isGiven(c)) << c;
    EXPECT_EQ(grid.allowedSet(c), 0) << c;
    EXPECT_EQ(grid.cellX(c), 0) << c;
    EXPECT_EQ(grid.peer(c, 0), 0) << c;
    EXPECT_FALSE(grid.isAbCell(c)) << c;
    EXPECT_EQ(grid.cellName(c, true, " ").view(), "") << c;
    EXPECT_EQ(grid.markPosition(c, 1), (Point{})) << c;
    EXPECT_EQ(grid.markAt(c, 0, 0), 0) << c;
    EXPECT_EQ(grid.hexagonCentre(c), (Point{})) << c;
  }
  EXPECT_EQ(grid.peer(1, -1), 0);
  EXPECT_EQ(grid.peer(1, kPeerSlots), 0);
  for (int c = 1; c <= 6; ++c) {
    EXPECT_EQ(grid.cellValue(c), 0);
    EXPECT_EQ(grid.allowedSet(c), 0);
  }
}

TEST(Grid, CellsKeepTheirStateWhileTheGridIsPreparedAgain) {
  Grid grid = gridOf("X,XA");
  for (int c = 1; c <= grid.cellCount(); ++c)
    grid.setCellValue(c, 1 + c % 6);
  grid.cellRecord(2)->given = true;
  grid.cellRecord(3)->marks = 5;
  EXPECT_TRUE(grid.allFilled());
  grid.prepareForPlay();
  grid.ftbco();
  grid.ensureHoleLists();
  EXPECT_TRUE(grid.allFilled());
  EXPECT_TRUE(grid.isGiven(2));
  EXPECT_EQ(grid.cellRecord(3)->marks, 5);

  grid.setCellValue(4, 0);
  EXPECT_TRUE(grid.cellIsEmpty(4));
  EXPECT_FALSE(grid.allFilled());
  grid.clearGiven(2);
  EXPECT_FALSE(grid.isGiven(2));
}

TEST(Grid, CellNameGivesRowAndColumn) {
  const Grid grid = gridOf("X");
  const int c = grid.findCell("C:AF");  // row 1, column 2
  EXPECT_EQ(grid.cellName(c, true, " ").view(), "L1 C2");
  EXPECT_EQ(grid.cellName(c, false, "").view(), "L1-P2");
  EXPECT_TRUE(grid.isAbCell(grid.findCell("D:AB")));
  EXPECT_FALSE(grid.isAbCell(c));
}

TEST(Grid, ReadingADefinitionReplacesTheGridBefore) {
  Grid grid = gridOf("X,XA,WPJ%90");
  grid.setName("demo");
  grid.setfromgrivecdef(definitionOf("XF"));
  grid.prepareForPlay();
  EXPECT_EQ(labelsOf(grid.hexagonList()), Labels{"F"});
  EXPECT_EQ(grid.cellCount(), 6);
  EXPECT_TRUE(grid.solutionMap().isEmpty());
  EXPECT_FALSE(grid.hasPeerTables());
  EXPECT_EQ(grid.name().view(), "demo");

  // Its own definition list may be read again.
  grid.setfromgrivecdef(grid.definitionList());
  EXPECT_EQ(labelsOf(grid.definitionList()), Labels{"XF"});
  EXPECT_EQ(grid.cellCount(), 6);
}

TEST(Grid, ResetEmptiesTheGridAndModeCAlsoResetsTheLevels) {
  Grid grid = gridOf("X,WPJ%90");
  grid.setName("demo");
  grid.setRotation(30);
  grid.levels().selectedLevel = 2;
  grid.resetGrid('N');
  EXPECT_EQ(grid.cellCount(), 0);
  EXPECT_EQ(grid.hexagonCount(), 0);
  EXPECT_TRUE(grid.hexagonList().isEmpty());
  EXPECT_TRUE(grid.definitionList().isEmpty());
  EXPECT_FALSE(grid.hasCellArray());
  EXPECT_FALSE(grid.hasSolution());
  EXPECT_TRUE(grid.name().isEmpty());
  EXPECT_EQ(grid.rotation(), 0);
  EXPECT_EQ(grid.hexagonSize(), 40);
  EXPECT_EQ(grid.levels().selectedLevel, 2);
  grid.resetGrid('C');
  EXPECT_EQ(grid.levels().selectedLevel, 6);
}

TEST(Grid, SixteenSlotsAndNoOthers) {
  gridSlot(0).setName("in play");
  gridSlot(15).setName("last");
  EXPECT_NE(&gridSlot(0), &gridSlot(15));
  for (int bad : {-1, 16, 1000}) {
    Grid& spare = gridSlot(bad);
    for (int slot = 0; slot < kGridSlots; ++slot)
      EXPECT_NE(&spare, &gridSlot(slot));
    EXPECT_TRUE(spare.name().isEmpty());
    spare.setName("stray");
  }
  EXPECT_EQ(gridSlot(0).name().view(), "in play");
  EXPECT_EQ(gridSlot(15).name().view(), "last");
}

}  // namespace
}  // namespace qiro
