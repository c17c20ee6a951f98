// Tests of levels: percentages, shape offsets and which cells a level gives.
#include "game/levels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"

namespace qiro {
namespace {

using Labels = std::vector<std::string>;

// The origin hexagon with solutions 1 to 6 in cell order (:AB, :AF, C:AF, D:AB, D:AF,
// E:AB) and clues 75, 80, 90, 95, 100, 120. Alone it has shape offset 3.
constexpr const char* kOriginCells = "WPJ%75,VQJ%80,CVRJ%90,DWSJ%95,DVTJ%100,EWUJ%120";

std::string withOriginCells(const char* hexagons) {
  return std::string(hexagons) + "," + kOriginCells;
}

Labels givensOf(const Grid& grid) {
  Labels givens;
  for (int c = 1; c <= grid.cellCount(); ++c) {
    if (grid.isGiven(c)) givens.emplace_back(TextView(grid.cellList().item(c)).view());
  }
  return givens;
}

// Givens show their solution, every other cell is empty.
void expectValuesFollowGivens(const Grid& grid) {
  for (int c = 1; c <= grid.cellCount(); ++c) {
    const GridCell& cell = *grid.cellRecord(c);
    EXPECT_EQ(cell.value, cell.given ? cell.solution : 0) << "cell " << c;
  }
}

TEST(Levels, PercentagesOfLevelsAndBack) {
  const std::pair<int, int> levels[] = {{1, 75}, {2, 80},  {3, 85}, {4, 90},
                                        {5, 95}, {6, 100}, {7, 120}};
  for (const auto& [level, percentage] : levels) {
    EXPECT_EQ(levelPercentage(level), percentage);
    EXPECT_EQ(percentageLevel(percentage), level);
  }
  for (int level : {0, -1, 8, 100})
    EXPECT_EQ(levelPercentage(level), 75) << level;
  for (int percentage : {0, 74, 76, 99, 101, 119, 121}) {
    EXPECT_EQ(percentageLevel(percentage), 1) << percentage;
  }
}

TEST(Levels, ShapeOffsetFollowsTheBestSurroundedHexagon) {
  const std::pair<const char*, int> cases[] = {
      {"X,XA,XB,XC,XD,XE,XF", 0},
      // The middle of a ring is full through its cells even though no token names it.
      {"XA,XB,XC,XD,XE,XF", 0},
      {"X,XA,XB,XC,XD,XE", 1},
      {"X,XA,XB,XC,XD", 2},
      {"X,XA,XB,XC", 3},
      // Hexagon B and its neighbours BB, BC, AB, A, C and the origin, spelled otherwise.
      {"XCA,XB2,XCB,XBA,XAAD,XC,X", 0},
      {"XCA,XB2,XCB,XBA,XAAD", 2},
      {"X", 3},
      {"", 3},
  };
  for (const auto& [definition, offset] : cases) {
    EXPECT_EQ(shapeOffsetOf(gridOf(definition)), offset) << definition;
  }
}

TEST(Levels, LevelAndShapeOffsetDecideTheGivens) {
  struct Case {
    const char* hexagons;
    int level;
    int offset;
    int percentage;
    int shown;
    Labels givens;
  };
  const Case cases[] = {
      {"X", 2, 3, 95, 2, {"D:AB", "D:AF", "E:AB"}},
      {"X", 1, 3, 90, 1, {"C:AF", "D:AB", "D:AF", "E:AB"}},  // clue 90 reaches 90
      {"X", 6, 3, 100, 6, {"D:AF", "E:AB"}},
      {"X", 7, 3, 120, 7, {"E:AB"}},
      // Cells of the ring have no solution entry and are never given.
      {"X,XA,XB,XC,XD,XE,XF", 1, 0, 75, 1, {":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"}},
      {"X,XA,XB,XC,XD,XE,XF", 3, 0, 85, 3, {"C:AF", "D:AB", "D:AF", "E:AB"}},
      {"X,XA,XB,XC,XD,XE", 2, 1, 85, 2, {"C:AF", "D:AB", "D:AF", "E:AB"}},
      {"X,XA,XB,XC,XD", 4, 2, 100, 4, {"D:AF", "E:AB"}},
      {"X,XA,XB,XC,XD,XE", 6, 1, 100, 6, {"D:AF", "E:AB"}},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(std::string(t.hexagons) + " level " + std::to_string(t.level));
    Grid grid = gridOf(withOriginCells(t.hexagons).c_str());
    setLevel(grid, t.level);
    grid.prepareForPlay();
    EXPECT_EQ(grid.levels().shapeOffset, t.offset);
    EXPECT_EQ(grid.levels().effectiveThreshold, t.percentage);
    EXPECT_EQ(grid.levels().appliedThreshold, t.percentage);
    EXPECT_EQ(shownLevelOf(grid), t.shown);
    EXPECT_EQ(givensOf(grid), t.givens);
    expectValuesFollowGivens(grid);
  }
}

TEST(Levels, LevelSevenWithoutClueHundredFallsBackToSixAndLowersClues) {
  Grid grid = gridOf("X,WPJ%75,DWSJ%120,EWUJ%120");
  setLevel(grid, 7);
  grid.prepareForPlay();
  EXPECT_EQ(grid.levels().effectiveLevel, 6);
  EXPECT_EQ(grid.levels().effectiveThreshold, 100);
  EXPECT_EQ(shownLevelOf(grid), 6);
  EXPECT_EQ(grid.cellRecord(grid.findCell("D:AB"))->clue, 100);
  EXPECT_EQ(grid.cellRecord(grid.findCell("E:AB"))->clue, 100);
  EXPECT_EQ(grid.cellRecord(grid.findCell(":AB"))->clue, 75);
  EXPECT_EQ(givensOf(grid), (Labels{"D:AB", "E:AB"}));
  expectValuesFollowGivens(grid);

  // Before the cells hold the solution there is nothing to decide level 7 on.
  Grid fresh;
  fresh.setfromgrivecdef(definitionOf(withOriginCells("X").c_str()));
  EXPECT_FALSE(levelSevenPossible(fresh));
}

TEST(Levels, ApplyingTheSameLevelAgainKeepsThePlayersNumbers) {
  Grid grid = gridOf(withOriginCells("X").c_str());
  ASSERT_EQ(givensOf(grid), (Labels{"D:AF", "E:AB"}));
  grid.setCellValue(1, 3);

  applyLevel(grid);
  grid.prepareForPlay();
  setLevel(grid, 6);  // same effective percentage
  grid.prepareForPlay();
  EXPECT_EQ(grid.cellValue(1), 3);

  // Another percentage empties every cell that is not given.
  setLevel(grid, 2);
  grid.prepareForPlay();
  EXPECT_EQ(grid.cellValue(1), 0);
  EXPECT_EQ(givensOf(grid), (Labels{"D:AB", "D:AF", "E:AB"}));

  // Without solution data a grid keeps whatever its cells hold.
  Grid plain = gridOf("X");
  plain.setCellValue(2, 4);
  setLevel(plain, 1);
  plain.prepareForPlay();
  EXPECT_EQ(plain.cellValue(2), 4);
  EXPECT_TRUE(givensOf(plain).empty());
  EXPECT_FALSE(plain.flags().solutionLoaded);
}

TEST(Levels, DifficultyPercentageTakesEffectAtTheNextApplication) {
  struct Case {
    const char* definition;
    int requested;
    int kept;
    int percentage;  // effective, after applyLevel
    int shown;
  };
  const std::string origin = withOriginCells("X");  // offset 3, clues 100 and 120
  const Case cases[] = {
      {origin.c_str(), 74, 74, 100, 6},
      {origin.c_str(), 0, 0, 100, 6},
      {origin.c_str(), 80, 80, 95, 2},
      {origin.c_str(), 87, 87, 90, 1},  // no level of its own: level 1
      {origin.c_str(), 120, 120, 120, 7},
      {"X,WPJ%75,EWUJ%120", 120, 100, 100, 6},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(std::string(t.definition) + " at " + std::to_string(t.requested));
    Grid grid = gridOf(t.definition);
    setLevel(grid, 1);
    grid.prepareForPlay();
    EXPECT_EQ(setDifficultyPercentage(grid, t.requested), t.kept);
    EXPECT_FALSE(grid.levels().levelComputed);
    grid.prepareForPlay();
    EXPECT_EQ(grid.levels().effectiveThreshold, t.percentage);
    EXPECT_EQ(grid.levels().appliedThreshold, t.percentage);
    EXPECT_EQ(shownLevelOf(grid), t.shown);
    expectValuesFollowGivens(grid);
  }
}

}  // namespace
}  // namespace qiro
