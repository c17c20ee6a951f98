// Tests of the grid collection: lookups, loads into the grid slots and grid numbers.
#include "content/grid_collection.h"

#include <gtest/gtest.h>

#include "game/levels.h"

namespace qiro {
namespace {

class GridCollectionTest : public ::testing::Test {
 protected:
  // A fresh collection, so nothing is remembered from another test.
  GridCollection collection;

  static int firstEmptyCell(Grid& grid) {
    for (int c = 1; c <= grid.cellCount(); ++c) {
      if (grid.cellIsEmpty(c)) return c;
    }
    return 0;
  }
};

TEST_F(GridCollectionTest, LookupPublishesTheFiguresAndAppendsTheLines) {
  EXPECT_EQ(collection.collectionEdition(), 0);
  for (const char* key : {"X", "x", "1251", "1805-9 ", ""}) {
    EXPECT_FALSE(collection.findBuiltinGrid(key)) << key;
    EXPECT_EQ(collection.pendingGridLines().count(), 0) << key;
    EXPECT_EQ(collection.pendingGridLevel(), 0) << key;
  }
  EXPECT_EQ(collection.collectionEdition(), 119);
  EXPECT_EQ(collection.builtinGridCount(), 5);

  ASSERT_TRUE(collection.findBuiltinGrid("1805-9"));
  EXPECT_EQ(collection.pendingGridLevel(), 2);
  EXPECT_EQ(collection.pendingGridLines().count(), 11);
  EXPECT_TRUE(collection.findBuiltinGrid("1251-1"));  // the caller empties the list
  EXPECT_EQ(collection.pendingGridLines().count(), 16);
  EXPECT_EQ(collection.pendingGridLevel(), 2);
}

TEST_F(GridCollectionTest, LoadFillsTheSlotAtTheEntrysLevel) {
  ASSERT_TRUE(collection.loadBuiltinGrid(0, "1950-30"));
  Board& board = boardSlot(0);
  Grid& grid = board.grid();
  EXPECT_EQ(board.key().view(), "1950-30");
  EXPECT_EQ(grid.cellCount(), 38);
  EXPECT_EQ(grid.hexagonSize(), board.cellSizePx());
  EXPECT_EQ(shownLevelOf(grid), 3);
  EXPECT_EQ(collection.pendingGridLines().count(), 0);
  // The post-load steps ran: every empty cell already knows its allowed numbers.
  grid.prepareForPlay();
  const int c = firstEmptyCell(grid);
  ASSERT_NE(c, 0);
  EXPECT_NE(grid.allowedSet(c), 0);
}

// A second load of the key in play keeps the grid as it stands and only re-applies the
// display parameters; another key in between makes the next load read it afresh.
TEST_F(GridCollectionTest, SameKeyTwiceIsReadOnce) {
  ASSERT_TRUE(collection.loadBuiltinGrid(0, "2026-1"));
  Grid& grid = boardSlot(0).grid();
  grid.prepareForPlay();
  const int c = firstEmptyCell(grid);
  ASSERT_NE(c, 0);
  grid.setCellValue(c, 5);
  grid.setHexagonSize(13, false);

  ASSERT_TRUE(collection.loadBuiltinGrid(0, "2026-1"));
  grid.prepareForPlay();
  EXPECT_EQ(grid.cellValue(c), 5);
  EXPECT_EQ(grid.hexagonSize(), boardSlot(0).cellSizePx());

  ASSERT_TRUE(collection.loadBuiltinGrid(0, "1805-9"));
  ASSERT_TRUE(collection.loadBuiltinGrid(0, "2026-1"));
  grid.prepareForPlay();
  EXPECT_TRUE(grid.cellIsEmpty(c));
}

TEST_F(GridCollectionTest, SameKeyIntoAnotherSlotIsReadThere) {
  ASSERT_TRUE(collection.loadBuiltinGrid(0, "1251-2"));
  boardSlot(2).grid().setfromgrivecdef(TextList());
  ASSERT_TRUE(collection.loadBuiltinGrid(2, "1251-2"));
  EXPECT_EQ(boardSlot(2).grid().cellCount(), 13);
}

TEST_F(GridCollectionTest, UnknownKeysSlotsAndNumbersChangeNothing) {
  collection.fillCatalogue();
  ASSERT_TRUE(collection.loadBuiltinGrid(0, "1805-9"));
  const Grid& grid = boardSlot(0).grid();
  EXPECT_FALSE(collection.loadBuiltinGrid(0, "X"));
  EXPECT_FALSE(collection.loadBuiltinGrid(0, "1805"));
  EXPECT_FALSE(collection.loadBuiltinGrid(16, "1950-30"));
  EXPECT_FALSE(collection.loadBuiltinGrid(-1, "1950-30"));
  for (const int n : {0, -1, 6, 100})
    EXPECT_FALSE(collection.selectGridNumber(n)) << n;
  EXPECT_EQ(boardSlot(0).key().view(), "1805-9");
  EXPECT_EQ(grid.cellCount(), 24);
}

TEST_F(GridCollectionTest, GridNumbersFollowTheCatalogue) {
  EXPECT_FALSE(collection.selectGridNumber(1));  // before the catalogue is filled
  collection.fillCatalogue();
  const char* keys[] = {"1805-9", "1950-30", "2026-1", "2043-5", "2043-12"};
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(collection.catalogueKey(n).view(), keys[n - 1]);
    ASSERT_TRUE(collection.selectGridNumber(n)) << n;
    EXPECT_EQ(boardSlot(0).key().view(), keys[n - 1]);
    EXPECT_EQ(boardSlot(0).cellStyle(), kTriangleCellStyle);
  }
}

}  // namespace
}  // namespace qiro
