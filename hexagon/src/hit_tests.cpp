// Hit tests by the |dx| + |dy| distance, and the bounding box of a board's cells.
#include "hexagon/hit_tests.h"

#include <algorithm>

namespace qiro {

int nearestWithin(std::span<const Point> candidates, int x, int y, int limit) {
  int best = 0;
  int bestDistance = 0;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const int d = manhattanDistance(candidates[i].x, candidates[i].y, x, y);
    if (best == 0 || d < bestDistance) {
      best = static_cast<int>(i) + 1;
      bestDistance = d;
    }
  }
  return best != 0 && bestDistance <= limit ? best : 0;
}

int cellAt(std::span<const Point> cells, int hexagonSize, int x, int y) {
  return nearestWithin(cells, x, y, hexagonSize / 2);
}

int markAt(std::span<const Point> marks, int hexagonSize, int x, int y) {
  return nearestWithin(marks, x, y, hexagonSize / 6);
}

int hexagonAt(std::span<const Point> full, int hexagonSize, int x, int y) {
  return nearestWithin(full, x, y, hexagonSize / 6);
}

int anyHexagonAt(std::span<const Point> full, std::span<const Point> partial, int hexagonSize,
                 int x, int y) {
  if (const int h = hexagonAt(full, hexagonSize, x, y); h != 0) return h;
  const int p = nearestWithin(partial, x, y, hexagonSize / 4);
  return p == 0 ? 0 : static_cast<int>(full.size()) + p;
}

int touchingHexagonAt(std::span<const Point> touching, int hexagonSize, int x, int y) {
  return nearestWithin(touching, x, y, hexagonSize / 6);
}

Box boundingBox(std::span<const Point> cells, int hexagonSize) {
  if (cells.empty()) return {-hexagonSize, hexagonSize, hexagonSize, -hexagonSize};
  const auto [minX, maxX] = std::minmax_element(
      cells.begin(), cells.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
  const auto [minY, maxY] = std::minmax_element(
      cells.begin(), cells.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
  return {minX->x - hexagonSize, maxX->x + hexagonSize, maxY->y + hexagonSize,
          minY->y - hexagonSize};
}

}  // namespace qiro
