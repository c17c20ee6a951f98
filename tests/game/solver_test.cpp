// Tests of the solver: counting solutions, grading, and reading givens from a grid.
#include "game/solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"

namespace qiro {
namespace {

// A hexagon ringed by six others: 24 cells.
constexpr const char* kRing = "X,XA,XB,XC,XD,XE,XF";

std::vector<int> digits(const std::string& values) {
  std::vector<int> v{0};
  for (char c : values)
    v.push_back(c - '0');
  return v;
}

TEST(Solver, CountsAndGrades) {
  struct Case {
    const char* definition;
    std::string givens;
    int solutions;
    Grade grade;
  };
  const Case cases[] = {
      {"X", "123450", 1, Grade::kEasy},
      {"X", "123400", 2, Grade::kNone},
      {"X", "113450", 0, Grade::kNone},  // two peers hold 1
      {"X", "000000", 2, Grade::kNone},
      {kRing, "020000340050000000506003", 1, Grade::kMedium},
      {kRing, "120005000200006503000003", 1, Grade::kHard},
      {"", "", 1, Grade::kEasy},  // nothing to fill
  };
  for (const Case& c : cases) {
    Grid grid = gridOf(c.definition);
    const Puzzle puzzle = puzzleOf(grid, digits(c.givens));
    const SolveResult r = solvePuzzle(puzzle);
    EXPECT_EQ(r.solutions, c.solutions) << c.definition << " " << c.givens;
    EXPECT_EQ(r.grade, c.grade) << c.definition << " " << c.givens;
    if (r.solutions == 0) continue;
    // The solution found keeps the givens and obeys the rule.
    EXPECT_FALSE(breaksRule(puzzle, r.solution));
    for (std::size_t i = 1; i < puzzle.values.size(); ++i) {
      if (puzzle.values[i] != 0) {
        EXPECT_EQ(r.solution[i], puzzle.values[i]) << i;
      }
      EXPECT_GE(r.solution[i], 1);
    }
  }
}

TEST(Solver, FullHexagonsHoldEveryNumberOnce) {
  Grid grid = gridOf(kRing);
  const Puzzle puzzle = puzzleOf(grid, digits(std::string(24, '0')));
  EXPECT_EQ(puzzle.fullHexagons.size(), 7U);  // the middle one closed by the ring
  const SolveResult r = solvePuzzle(puzzle);
  for (const auto& corners : puzzle.fullHexagons) {
    NumberSet seen = 0;
    for (int c : corners)
      seen |= singleNumberSet(r.solution[static_cast<std::size_t>(c)]);
    EXPECT_EQ(seen, kAllNumbers);
  }
  EXPECT_TRUE(breaksRule(puzzle, digits("110000000000000000000000")));
}

TEST(Solver, GivensComeFromTheSolutionMapByClue) {
  // Cells :AB (1), :AF (2) and C:AF (3) with clues 100, 90 and 80.
  Grid grid = gridOf("X,WJJ%100,VKJ%90,CVLJ%80");
  EXPECT_EQ(givensAt(grid, 100), digits("100000"));
  EXPECT_EQ(givensAt(grid, 85), digits("120000"));
  EXPECT_EQ(givensAt(grid, 75), digits("123000"));
  EXPECT_EQ(solutionOf(grid), digits("123000"));
  EXPECT_EQ(gradeWord(Grade::kMedium), "medium");
}

}  // namespace
}  // namespace qiro
