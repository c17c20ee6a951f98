// Levels: which cells of a grid are given, from the clue percentages of its solution.
#pragma once

#include "game/grid.h"

namespace qiro {

// Level 1 to 7 and its difficulty percentage: 75, 80, 85, 90, 95, 100, 120. Any other
// level gives 75; any other percentage gives level 1.
int levelPercentage(int level);
int percentageLevel(int percentage);

// 0 when some hexagon of the grid has all six neighbours in it, up to 3 when the best
// surrounded one has three or fewer: open grids are played one level harder per step.
int shapeOffsetOf(const Grid& grid);
// Level 7 needs cells with clue 120 and cells with clue 100. On a grid with clue 120 but
// none of 100, clues above 100 are lowered to 100 on the way.
bool levelSevenPossible(Grid& grid);
// Computes the effective level and thresholds; the cells change at the next applyLevel.
void setLevel(Grid& grid, int level);
// Stores a requested percentage (120 becomes 100 where level 7 is not possible) and
// answers the percentage kept.
int setDifficultyPercentage(Grid& grid, int percentage);
// Loads the solution into the cells when needed and, when the effective threshold
// changed, makes given exactly the cells whose clue reaches it.
void applyLevel(Grid& grid);
int shownLevelOf(const Grid& grid);

}  // namespace qiro
