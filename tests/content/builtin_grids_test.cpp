// Tests of the built-in grids: their data, and that every level of each has exactly one
// solution as the game applies it.
#include "content/builtin_grids.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/levels.h"
#include "game/solver.h"

namespace qiro {
namespace {

Grid gridOfEntry(const BuiltinGrid& entry) {
  Grid grid;
  grid.setfromgrivecdef(definitionTokensOf(plainLinesOf(entry)));
  grid.prepareForPlay();  // the solution and clues in the cells, as in play
  grid.ftbco();
  return grid;
}

// The effective threshold the game applies for a level, shape offset included.
int thresholdOf(Grid& grid, int level) {
  setLevel(grid, level);
  return grid.levels().effectiveThreshold;
}

TEST(BuiltinGrids, KeysLevelsAndLines) {
  struct Expected {
    const char* key;
    int level;
    std::size_t lines;
  };
  const Expected expected[] = {
      {"1805-9", 2, 11},  {"1950-30", 3, 13}, {"2026-1", 4, 14}, {"2043-5", 5, 15},
      {"2043-12", 6, 22}, {"1251-1", 2, 5},   {"1251-2", 3, 6},  {"1251-3", 4, 6},
      {"1222-65", 5, 5},  {"1239-1", 6, 13},
  };
  ASSERT_EQ(builtinGrids().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const BuiltinGrid& entry = builtinGrids()[i];
    EXPECT_EQ(entry.key, expected[i].key);
    EXPECT_EQ(entry.level, expected[i].level) << entry.key;
    EXPECT_EQ(entry.storedLines.size(), expected[i].lines) << entry.key;
  }
  EXPECT_EQ(builtinCatalogue().view(), "1805-9,1950-30,2026-1,2043-5,2043-12");
  EXPECT_EQ(findBuiltinEntry("2043-12"), &builtinGrids()[4]);
  EXPECT_EQ(findBuiltinEntry("1251"), nullptr);  // keys match whole
  EXPECT_EQ(findBuiltinEntry("x"), nullptr);
}

// What the program unscrambles is what the plain grid files of the source tree say, and
// none of it is stored readable.
TEST(BuiltinGrids, StoredLinesAreThePlainSourceLines) {
  const std::filesystem::path folder = QIRO_GRIDS_DIR;
  for (const BuiltinGrid& entry : builtinGrids()) {
    std::ifstream in(folder / (std::string(entry.key) + ".txt"));
    std::vector<std::string> source;
    for (std::string line; std::getline(in, line);)
      source.push_back(line);
    const TextList plain = plainLinesOf(entry);
    ASSERT_EQ(plain.count(), static_cast<int>(source.size())) << entry.key;
    for (int i = 1; i <= plain.count(); ++i) {
      const std::string_view stored = entry.storedLines[static_cast<std::size_t>(i - 1)];
      EXPECT_EQ(TextView(plain.item(i)).view(), source[static_cast<std::size_t>(i - 1)]);
      if (stored.size() > 1) {
        EXPECT_NE(stored, source[static_cast<std::size_t>(i - 1)]);
      }
    }
  }
}

TEST(BuiltinGrids, EveryLevelHasExactlyOneSolution) {
  for (const BuiltinGrid& entry : builtinGrids()) {
    Grid grid = gridOfEntry(entry);
    const std::vector<int> solution = solutionOf(grid);
    const Puzzle full = puzzleOf(grid, solution);
    EXPECT_FALSE(breaksRule(full, solution)) << entry.key;
    for (int c = 1; c <= grid.cellCount(); ++c) {
      EXPECT_GE(solution[static_cast<std::size_t>(c)], 1) << entry.key << " cell " << c;
    }
    for (int level = 1; level <= 7; ++level) {
      const int threshold = thresholdOf(grid, level);
      const SolveResult r = solvePuzzle(puzzleOf(grid, givensAt(grid, threshold)));
      EXPECT_EQ(r.solutions, 1) << entry.key << " level " << level;
      if (level == 1) {
        EXPECT_NE(r.grade, Grade::kHard) << entry.key;  // no guessing at level 1
      }
    }
  }
}

TEST(BuiltinGrids, SelectableGridsGrowAndOfferAHoleAndAClosedHexagon) {
  int cellsBefore = 0;
  bool hole = false;
  bool closed = false;
  for (std::size_t i = 0; i < 5; ++i) {
    Grid grid = gridOfEntry(builtinGrids()[i]);
    EXPECT_GT(grid.cellCount(), cellsBefore) << builtinGrids()[i].key;
    cellsBefore = grid.cellCount();
    grid.ensureHoleLists();
    hole = hole || grid.holeList().isNotEmpty();
    closed = closed || shapeOffsetOf(grid) == 0;
  }
  EXPECT_TRUE(hole);
  EXPECT_TRUE(closed);

  // The largest fits a 1280 x 1024 screen at zoom 40 with the window at (60, 60), the
  // left column of 80 pixels and a frame of 8 pixels with a 31-pixel caption.
  Grid largest = gridOfEntry(builtinGrids()[4]);
  largest.setHexagonSize(40, false);
  largest.ensurePositions();
  const Box box = largest.boundingBox();
  EXPECT_LE(80 + (box.right - box.left) + 2 * 8, 1280 - 60);
  EXPECT_LE((box.top - box.bottom) + 31 + 8, 1024 - 60 - 30);
}

TEST(BuiltinGrids, SuffixesJoinTheTokensOfTheirLine) {
  TextList lines;
  for (const char* line : {"%a,B,C,%0,D", "E,#note,%95,F", "G"})
    lines.append(line);
  TextList tokens = definitionTokensOf(lines);
  std::vector<std::string> got;
  for (const Text& t : tokens)
    got.emplace_back(t.view());
  EXPECT_EQ(got, (std::vector<std::string>{"B%a", "C%a", "D", "E", "F%95", "G"}));
}

}  // namespace
}  // namespace qiro
