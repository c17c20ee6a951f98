// Levels: difficulty percentages, the shape offset, and applying the givens of a level.
#include "game/levels.h"

#include <algorithm>

#include "hexagon/neighbourhood.h"
#include "text/tokens.h"

namespace qiro {

namespace {

struct LevelRow {
  int level;
  int percentage;
};
constexpr LevelRow kLevels[] = {{1, 75}, {2, 80}, {3, 85}, {4, 90}, {5, 95}, {6, 100}, {7, 120}};

// Solution and clue of every cell from the solution map; a cell without an entry has
// neither and is not given.
void loadSolution(Grid& grid) {
  grid.ensureCellRecords();
  for (int c = 1; c <= grid.cellCount(); ++c) {
    if (GridCell* cell = grid.cellRecord(c)) {
      cell->solution = 0;
      cell->clue = 0;
      cell->given = false;
    }
  }
  const TextList& map = grid.solutionMap();
  Text key;
  Text value;
  for (int i = 1; i <= map.count(); ++i) {
    splitEntry(map, i, key, value);
    GridCell* cell = grid.cellRecord(grid.findCell(key));
    if (cell == nullptr) continue;
    cell->solution = popInteger(value);
    cell->clue = popInteger(value);
    cell->given = true;
  }
  grid.setSolutionLoaded(true);
}

// Every cell whose clue reaches the effective threshold shows its solution as a given;
// every other cell is emptied, the player's numbers included.
void applyGivens(Grid& grid) {
  GridLevels& levels = grid.levels();
  for (int c = 1; c <= grid.cellCount(); ++c) {
    GridCell* cell = grid.cellRecord(c);
    if (cell == nullptr) continue;
    cell->given = cell->clue >= levels.effectiveThreshold;
    cell->value = cell->given ? cell->solution : 0;
  }
  levels.appliedThreshold = levels.effectiveThreshold;
}

}  // namespace

int levelPercentage(int level) {
  for (const LevelRow& row : kLevels) {
    if (row.level == level) return row.percentage;
  }
  return 75;
}

int percentageLevel(int percentage) {
  for (const LevelRow& row : kLevels) {
    if (row.percentage == percentage) return row.level;
  }
  return 1;
}

int shapeOffsetOf(const Grid& grid) {
  const TextList& hexagons = grid.hexagonList();
  int most = 0;
  for (const Text& hexagon : hexagons) {
    int count = 0;
    for (const Text& neighbour : neighboursOf(hexagon)) {
      if (hexagons.findSorted(neighbour) != 0) ++count;
    }
    most = std::max(most, count);
  }
  return std::min(3, 6 - most);
}

bool levelSevenPossible(Grid& grid) {
  if (!grid.hasCellArray()) return false;
  bool has120 = false;
  bool has100 = false;
  for (int c = 1; c <= grid.cellCount(); ++c) {
    const GridCell* cell = grid.cellRecord(c);
    if (cell == nullptr) continue;
    has120 = has120 || cell->clue == 120;
    has100 = has100 || cell->clue == 100;
  }
  if (has120 && !has100) {
    // Without cells of clue 100, level 6 would give nothing; its cells play that part.
    for (int c = 1; c <= grid.cellCount(); ++c) {
      GridCell* cell = grid.cellRecord(c);
      if (cell != nullptr && cell->clue > 100) cell->clue = 100;
    }
  }
  return has120 && has100;
}

void setLevel(Grid& grid, int level) {
  GridLevels& levels = grid.levels();
  levels.selectedLevel = level;
  levels.shapeOffset = shapeOffsetOf(grid);
  if (level == 7) {
    levels.effectiveLevel = levelSevenPossible(grid) ? 7 : 6;
    levels.shownLevel = levels.effectiveLevel;
  } else {
    // The offset never lifts a level beyond 6 (min first, so no level can overflow).
    levels.effectiveLevel = std::min(6, std::min(level, 6) + levels.shapeOffset);
    levels.shownLevel = level;
  }
  levels.selectedThreshold = levelPercentage(levels.selectedLevel);
  levels.effectiveThreshold = levelPercentage(levels.effectiveLevel);
  levels.levelComputed = true;
}

int setDifficultyPercentage(Grid& grid, int percentage) {
  if (percentage == 120 && !levelSevenPossible(grid)) percentage = 100;
  GridLevels& levels = grid.levels();
  levels.selectedThreshold = percentage;
  levels.levelComputed = false;
  return percentage;
}

void applyLevel(Grid& grid) {
  if (!grid.hasSolution()) {
    grid.setSolutionLoaded(false);
    return;
  }
  // A freshly loaded solution must reach the cells even if the threshold is unchanged.
  bool force = false;
  if (!grid.flags().solutionLoaded) {
    loadSolution(grid);
    force = true;
  }
  // The level is settled before any givens are applied: otherwise the next call would
  // apply them again and wipe the moves replayed in between.
  GridLevels& levels = grid.levels();
  if (!levels.levelComputed) {
    if (levels.selectedThreshold <= 74) levels.selectedThreshold = 100;
    setLevel(grid, percentageLevel(levels.selectedThreshold));
  }
  if (!force && levels.effectiveThreshold == levels.appliedThreshold) return;
  applyGivens(grid);
}

int shownLevelOf(const Grid& grid) {
  return grid.levels().shownLevel;
}

}  // namespace qiro
