// A grid's geometry: hexagon size and rotation, pencil-mark places, hit tests, extent.
#include <algorithm>
#include <array>
#include <span>

#include "game/grid.h"

namespace qiro {

void Grid::setHexagonSize(int size, bool polygonStyle) {
  hexagonSize_ = size;
  polygonStyle_ = polygonStyle;
  buildPolygon(shape_, hexagonSize_, rotation_);
  invalidatePositions();
}

void Grid::setRotation(int degrees) {
  rotation_ = degrees;
  buildPolygon(shape_, hexagonSize_, rotation_);
  invalidatePositions();
}

void Grid::invalidatePositions() {
  for (GridCell& cell : cells_) {
    cell.x = 0;
    cell.y = 0;
  }
  for (Point& centre : centres_)
    centre = Point{};
  flags_.positionsValid = false;
}

std::vector<Point> Grid::cellPoints() const {
  std::vector<Point> points;
  for (int c = 1; namesCell(c); ++c)
    points.push_back({cellX(c), cellY(c)});
  return points;
}

Box Grid::boundingBox() const {
  return ::qiro::boundingBox(cellPoints(), hexagonSize_);
}

void Grid::computeMarkTable() {
  markTable_ = ::qiro::computeMarkTable(shape_.shape, hexagonSize_);
}

Point Grid::markPosition(int c, int k) const {
  if (!namesCell(c)) return {};
  return ::qiro::markPosition(markTable_, {cellX(c), cellY(c)}, isAbCell(c), k);
}

int Grid::cellAt(int x, int y) const {
  return ::qiro::cellAt(cellPoints(), hexagonSize_, x, y);
}

int Grid::markAt(int c, int x, int y) const {
  if (!namesCell(c)) return 0;
  std::array<Point, 6> marks;
  for (int k = 1; k <= 6; ++k)
    marks[static_cast<std::size_t>(k - 1)] = markPosition(c, k);
  return ::qiro::markAt(marks, hexagonSize_, x, y);
}

namespace {

// Entries first..last of the centre table, as far as it holds them.
std::span<const Point> centreRange(const std::vector<Point>& centres, int first, int last) {
  const int end = std::min(last + 1, static_cast<int>(centres.size()));
  if (first >= end) return {};
  return std::span<const Point>(centres).subspan(static_cast<std::size_t>(first),
                                                 static_cast<std::size_t>(end - first));
}

}  // namespace

int Grid::hexagonAt(int x, int y) const {
  return ::qiro::hexagonAt(centreRange(centres_, 1, hexagonCount_), hexagonSize_, x, y);
}

int Grid::anyHexagonAt(int x, int y) const {
  return ::qiro::anyHexagonAt(centreRange(centres_, 1, hexagonCount_),
                              centreRange(centres_, hexagonCount_ + 1, allHexagonCount_),
                              hexagonSize_, x, y);
}

int Grid::touchingHexagonAt(int x, int y) {
  ensureTouchingList();
  std::vector<Point> centres;
  centres.reserve(static_cast<std::size_t>(touchingCount_));
  for (const Text& hexagon : touching_)
    centres.push_back(hexagonPosition(shape_.shape, hexagon));
  return ::qiro::touchingHexagonAt(centres, hexagonSize_, x, y);
}

}  // namespace qiro
