// Which cell, pencil mark or hexagon lies under a point, and the box round a board.
#pragma once

#include <span>

#include "text/numeric.h"

namespace qiro {

// The 1-based number of the candidate nearest (x, y) by |dx| + |dy|, the lower number on
// a tie, when its distance is at most limit; otherwise 0.
int nearestWithin(std::span<const Point> candidates, int x, int y, int limit);

// Candidates are numbered from 1 in span order.
int cellAt(std::span<const Point> cells, int hexagonSize, int x, int y);
int markAt(std::span<const Point> marks, int hexagonSize, int x, int y);
int hexagonAt(std::span<const Point> full, int hexagonSize, int x, int y);
// A full hexagon as hexagonAt finds it, else a partial one numbered after the full ones.
int anyHexagonAt(std::span<const Point> full, std::span<const Point> partial, int hexagonSize,
                 int x, int y);
int touchingHexagonAt(std::span<const Point> touching, int hexagonSize, int x, int y);

struct Box {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
  friend bool operator==(const Box&, const Box&) = default;
};
// The cells' extent widened by hexagonSize on every side (y upward: top > bottom). With
// no cells, the box of a single cell at the origin.
Box boundingBox(std::span<const Point> cells, int hexagonSize);

}  // namespace qiro
