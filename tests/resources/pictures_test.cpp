// Tests of the pictures' plans, held against what the rules pages say about them, and of
// the qiro-pictures command.
#include "pictures/pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/moves.h"
#include "game/number_set.h"
#include "hexagon/shape.h"

namespace qiro {
namespace {

constexpr int kTestCellSize = 60;

// The planned board of picture n (its first board unless told).
Grid& plannedGrid(int n, std::size_t board = 0) {
  Board* planned = loadPlannedBoard(picturePlan(n).boards.at(board), kTestCellSize);
  if (planned == nullptr) throw std::runtime_error("picture " + std::to_string(n));
  return planned->grid();
}

const std::vector<HexagonOutline>& outlinesOf(int n) {
  return picturePlan(n).boards.at(0).outlines;
}

// The cells on a hexagon: those whose triangle has the hexagon's centre for a corner.
std::vector<int> cellsOn(const Grid& grid, std::string_view hexagon) {
  const HexShape& shape = grid.hexagonShapeOf().shape;
  const Point centre = hexagonPosition(shape, hexagon);
  std::vector<int> cells;
  for (int c = 1; c <= grid.cellCount(); ++c) {
    for (const Point& corner : cellTriangle(shape, grid.cellList().item(c))) {
      if (corner == centre) {
        cells.push_back(c);
        break;
      }
    }
  }
  return cells;
}

std::vector<int> sharedCells(const std::vector<int>& a, const std::vector<int>& b) {
  std::vector<int> shared;
  for (const int c : a) {
    if (std::find(b.begin(), b.end(), c) != b.end()) shared.push_back(c);
  }
  return shared;
}

// The numbers none of the cells holds.
NumberSet numbersMissingFrom(const Grid& grid, const std::vector<int>& cells) {
  NumberSet held = 0;
  for (const int c : cells)
    held |= singleNumberSet(grid.cellValue(c));
  return kAllNumbers & ~held;
}

int emptyCells(const Grid& grid) {
  int empty = 0;
  for (int c = 1; c <= grid.cellCount(); ++c)
    empty += grid.cellIsEmpty(c) ? 1 : 0;
  return empty;
}

TEST(PicturePlans, NameOnlyGridsCellsAndHexagonsThatExist) {
  for (int n = 1; n <= kRulesPageCount; ++n) {
    const PicturePlan& plan = picturePlan(n);
    ASSERT_FALSE(plan.boards.empty()) << n;
    for (const BoardPlan& board : plan.boards) {
      EXPECT_NE(loadPlannedBoard(board, kTestCellSize), nullptr) << n << " " << board.key;
    }
  }
  BoardPlan unknown = picturePlan(2).boards.at(0);
  unknown.outlines.push_back({"XDDDD", kOutlineRed});
  EXPECT_EQ(loadPlannedBoard(unknown, kTestCellSize), nullptr);
}

TEST(PicturePlans, ShowTheNumbersThePagesTalkAbout) {
  // The cover shows solved boards, page 5 only shapes; the others are puzzles under way.
  for (std::size_t board = 0; board < picturePlan(1).boards.size(); ++board)
    EXPECT_EQ(emptyCells(plannedGrid(1, board)), 0) << board;
  for (std::size_t board = 0; board < picturePlan(5).boards.size(); ++board) {
    const Grid& grid = plannedGrid(5, board);
    EXPECT_EQ(emptyCells(grid), grid.cellCount()) << board;
  }
  for (const int n : {2, 3, 4, 6, 7, 8, 9}) {
    const Grid& grid = plannedGrid(n);
    EXPECT_GT(emptyCells(grid), 0) << n;
    EXPECT_LT(emptyCells(grid), grid.cellCount()) << n;
  }
  // Page 9 is about the levels: a harder one gives fewer numbers.
  EXPECT_GT(emptyCells(plannedGrid(9)), emptyCells(plannedGrid(6)));
  // Page 2: the red hexagon holds 1 to 6, and the two cells it shares with the green one
  // hold numbers.
  const Grid& rule = plannedGrid(2);
  const std::vector<int> red = cellsOn(rule, outlinesOf(2)[0].hexagon);
  EXPECT_EQ(numbersMissingFrom(rule, red), 0);
  for (const int c : sharedCells(red, cellsOn(rule, outlinesOf(2)[1].hexagon)))
    EXPECT_TRUE(rule.cellIsFilled(c)) << c;
}

TEST(PicturePlans, OutlineFullAndPartialHexagonsAsThePagesDescribe) {
  struct Case {
    int page;
    int full;
    int partial;
    int sharedByFirstTwo;
  };
  const Case cases[] = {
      {2, 2, 0, 2},                               // two hexagons of six triangles, overlapping
      {3, 2, 2, 0},                               // and two cut by the edge of the grid
      {6, 1, 0, -1}, {7, 3, 0, 2}, {8, 2, 0, 2},  // two hexagons sharing cells
      {9, 3, 0, 0},                               // spread over the board
  };
  for (const Case& test : cases) {
    const Grid& grid = plannedGrid(test.page);
    int full = 0;
    int partial = 0;
    for (const HexagonOutline& outline : outlinesOf(test.page)) {
      const std::size_t cells = cellsOn(grid, outline.hexagon).size();
      full += cells == 6 ? 1 : 0;
      partial += cells > 0 && cells < 6 ? 1 : 0;
    }
    EXPECT_EQ(full, test.full) << test.page;
    EXPECT_EQ(partial, test.partial) << test.page;
    if (test.sharedByFirstTwo >= 0) {
      const auto& outlines = outlinesOf(test.page);
      EXPECT_EQ(std::ssize(sharedCells(cellsOn(grid, outlines[0].hexagon),
                                       cellsOn(grid, outlines[1].hexagon))),
                test.sharedByFirstTwo)
          << test.page;
    }
  }
  // Pages 7 to 9 use the three colours of a selection.
  for (const int n : {7, 9}) {
    EXPECT_EQ(outlinesOf(n)[0].colour, kOutlineRed);
    EXPECT_EQ(outlinesOf(n)[1].colour, kOutlineGreen);
    EXPECT_EQ(outlinesOf(n)[2].colour, kOutlineOrange);
  }
}

TEST(PicturePlans, LeaveExactlyOneNumberForTheCellAPageAsksAbout) {
  // Page 4: the cell under the question mark.
  {
    Grid& grid = plannedGrid(4);
    const int cell = grid.findCell(picturePlan(4).boards[0].questionMark);
    recomputeAllowed(grid);
    EXPECT_TRUE(grid.cellIsEmpty(cell));
    EXPECT_EQ(grid.allowedSet(cell), singleNumberSet(grid.cellRecord(cell)->solution));
  }
  // Page 6: the last empty corner of the red hexagon; its five numbers decide it.
  {
    Grid& grid = plannedGrid(6);
    std::vector<int> empty;
    const std::vector<int> cells = cellsOn(grid, outlinesOf(6)[0].hexagon);
    for (const int c : cells) {
      if (grid.cellIsEmpty(c)) empty.push_back(c);
    }
    ASSERT_EQ(cells.size(), 6U);
    ASSERT_EQ(empty.size(), 1U);
    EXPECT_EQ(numbersMissingFrom(grid, cells),
              singleNumberSet(grid.cellRecord(empty[0])->solution));
  }
  // Page 7: the one cell of all three hexagons; together they decide it, none alone does.
  {
    Grid& grid = plannedGrid(7);
    const auto& outlines = outlinesOf(7);
    const std::vector<int> common = sharedCells(
        sharedCells(cellsOn(grid, outlines[0].hexagon), cellsOn(grid, outlines[1].hexagon)),
        cellsOn(grid, outlines[2].hexagon));
    ASSERT_EQ(common.size(), 1U);
    EXPECT_TRUE(grid.cellIsEmpty(common[0]));
    NumberSet together = kAllNumbers;
    for (const HexagonOutline& outline : outlines) {
      const NumberSet alone = numbersMissingFrom(grid, cellsOn(grid, outline.hexagon));
      EXPECT_GT(bitCount(alone), 1) << outline.hexagon;
      together &= alone;
    }
    EXPECT_EQ(together, singleNumberSet(grid.cellRecord(common[0])->solution));
    // Then the question turned round: one corner only of the red hexagon may take a 6.
    recomputeAllowed(grid);
    int cornersFor6 = 0;
    for (const int c : cellsOn(grid, outlines[0].hexagon))
      cornersFor6 += grid.cellIsEmpty(c) && isAllowed(grid, c, 6) ? 1 : 0;
    EXPECT_EQ(cornersFor6, 1);
  }
}

TEST(PicturePlans, PageEightLeavesTheSharedCellsTheSameTwoNumbers) {
  Grid& grid = plannedGrid(8);
  const auto& outlines = outlinesOf(8);
  const std::vector<int> shared =
      sharedCells(cellsOn(grid, outlines[0].hexagon), cellsOn(grid, outlines[1].hexagon));
  ASSERT_EQ(shared.size(), 2U);
  recomputeAllowed(grid);
  for (const int c : shared)
    EXPECT_TRUE(grid.cellIsEmpty(c)) << c;
  EXPECT_EQ(bitCount(grid.allowedSet(shared[0])), 2);
  EXPECT_EQ(grid.allowedSet(shared[0]), grid.allowedSet(shared[1]));
}

struct PicturesRun {
  int status;
  std::string err;
};

PicturesRun runWith(std::vector<std::string_view> args) {
  std::ostringstream err;
  const int status = runPictures(args, err);
  return {status, err.str()};
}

TEST(PicturesCommand, RefusesWrongArgumentsWithItsUsage) {
  const std::vector<std::vector<std::string_view>> cases = {
      {}, {"--out"}, {"--out", ""}, {"--folder", "x"}, {"--out", "x", "y"}};
  for (const auto& args : cases) {
    const PicturesRun result = runWith(args);
    EXPECT_EQ(result.status, 2) << args.size();
    EXPECT_NE(result.err.find("usage: qiro-pictures --out DIR"), std::string::npos);
  }
}

TEST(PicturesCommand, FailsAndSaysWhereWhenAPictureCannotBeWritten) {
  // Its own folder, so that runs of the plain and the sanitized tree never meet.
  const std::filesystem::path work =
      std::filesystem::temp_directory_path() /
      ("qiro_pictures_test-" + std::to_string(std::random_device{}()));
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work / "out" / "3.bmp");  // a folder where a picture goes
  std::ofstream(work / "file") << "not a folder";
  struct Case {
    std::string folder;
    std::string message;
  };
  const Case cases[] = {
      {(work / "file" / "pictures").string(), "cannot make the folder " + (work / "file").string()},
      {(work / "out").string(), "cannot write " + (work / "out" / "3.bmp").string()},
  };
  for (const Case& test : cases) {
    const PicturesRun result = runWith({"--out", test.folder});
    EXPECT_EQ(result.status, 1) << test.folder;
    EXPECT_NE(result.err.find(test.message), std::string::npos) << result.err;
  }
  std::filesystem::remove_all(work);
}

}  // namespace
}  // namespace qiro
