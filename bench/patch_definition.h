// The benchmark boards: every hexagon within a radius of the origin.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>

#include "game/grid.h"
#include "game/moves.h"
#include "text/text_list.h"

namespace qiro {

// Steps in one direction: toward the first letter for positive counts, else the second.
inline std::string steps(int count, char positive, char negative) {
  return std::string(static_cast<std::size_t>(std::abs(count)), count >= 0 ? positive : negative);
}

// Every hexagon within radius steps of the origin: 3r(r+1)+1 hexagons, 6(r+1)^2 cells.
// Radius 3 gives 96 cells, radius 8 gives 486.
inline TextList patchDefinition(int radius) {
  TextList definition;
  for (int a = -radius; a <= radius; ++a) {
    for (int b = -radius; b <= radius; ++b) {
      const int distance = a * b >= 0 ? std::abs(a + b) : std::max(std::abs(a), std::abs(b));
      if (distance > radius) continue;
      definition.append("X" + steps(a, 'A', 'D') + steps(b, 'B', 'E'));
    }
  }
  return definition;
}

// A board in mid-game: two cells of every three filled with the lowest number they
// allow (given ones too when `givens` is set: every first of three), and the empty
// cells carrying the numbers they still allow as pencil marks.
inline void fillHalfway(Grid& grid, bool givens) {
  grid.ensureCellRecords();
  grid.ftbco();
  for (int c = 1; c <= grid.cellCount(); ++c) {
    if (c % 3 == 0) continue;
    recomputeAllowed(grid);
    for (int n = 1; n <= kHighestNumber; ++n) {
      if (isAllowed(grid, c, n)) {
        grid.setCellValue(c, n);
        grid.cellRecord(c)->given = givens && c % 3 == 1;
        break;
      }
    }
  }
  recomputeAllowed(grid);
  for (int c = 1; c <= grid.cellCount(); ++c) {
    if (grid.cellIsEmpty(c)) grid.setMarks(c, grid.allowedSet(c));
  }
}

}  // namespace qiro
