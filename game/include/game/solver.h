// A solver for tools and tests: counts the solutions of a grid's puzzle at a level and
// grades it by the simplest techniques that solve it without guessing.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "game/grid.h"
#include "game/number_set.h"

namespace qiro {

// A puzzle as the solver sees it: values of cells 1 to n (0 empty), each cell's peers,
// and the corners of every full hexagon, which hold 1 to 6 once each.
struct Puzzle {
  std::vector<int> values;  // entry 0 unused
  std::vector<std::vector<int>> peers;
  std::vector<std::array<int, 6>> fullHexagons;

  int cellCount() const { return static_cast<int>(values.size()) - 1; }
};

// The puzzle of a grid with the given values; every cell given one that is not 0.
Puzzle puzzleOf(Grid& grid, const std::vector<int>& givens);
// The solution values of the cells whose clue reaches threshold (0 for the others), read
// from the grid's solution map.
std::vector<int> givensAt(const Grid& grid, int threshold);
// The full solution of the grid's solution map (0 where a cell has none).
std::vector<int> solutionOf(const Grid& grid);

// The simplest techniques that solve a puzzle without guessing.
enum class Grade {
  kEasy,    // cells with a single allowed number
  kMedium,  // also numbers that fit only one corner of a full hexagon
  kHard,    // needs trial and error
  kNone,    // no single solution
};
std::string_view gradeWord(Grade grade);

struct SolveResult {
  int solutions = 0;  // 0, 1, or 2 meaning two or more
  Grade grade = Grade::kNone;
  std::vector<int> solution;  // the first solution found, when there is one
};
SolveResult solvePuzzle(const Puzzle& puzzle);

// Whether values break the rule: two peers holding the same number.
bool breaksRule(const Puzzle& puzzle, const std::vector<int>& values);

}  // namespace qiro
