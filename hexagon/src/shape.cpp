// Direction vectors of the tiling on screen, positions of labels, fans and outlines,
// and the pencil-mark table.
#include "hexagon/shape.h"

#include <cmath>

#include "hexagon/labels.h"

namespace qiro {

namespace {

constexpr std::size_t at(Direction d) {
  return static_cast<std::size_t>(d);
}

std::size_t nextOf(std::size_t i) {
  return (i + 1) % kDirections;
}

Point centreOf(const HexShape& shape, TextView label) {
  TextView path = pathPart(label);
  if (!path.empty() && path.view().front() == 'X') path = path.view().substr(1);
  HexPath p;
  parsePath(p, path);
  return {pathX(p, shape), pathY(p, shape)};
}

bool isAb(TextView corner) {
  return contains(corner, ":AB");
}

}  // namespace

void computeShape(HexShape& shape) {
  if (shape.size % 2 != 0) ++shape.size;
  const float s = static_cast<float>(shape.size);
  constexpr float kTwoPi = 2.0F * 3.14159265F;
  const float t = static_cast<float>(shape.rotation) / 360.0F * kTwoPi;
  const float t60 = t + 60.0F / 360.0F * kTwoPi;
  const int ax = roundToShort(s * std::cos(t));
  const int ay = roundToShort(s * std::sin(t));
  const int bx = roundToShort(s * std::cos(t60));
  const int by = roundToShort(s * std::sin(t60));
  shape.vx = {ax, bx, bx - ax, -ax, -bx, ax - bx};
  shape.vy = {ay, by, by - ay, -ay, -by, ay - by};
  shape.abX = (shape.vx[at(kA)] + shape.vx[at(kB)]) / 3;
  shape.abY = (shape.vy[at(kA)] + shape.vy[at(kB)]) / 3;
  shape.afX = (shape.vx[at(kA)] + shape.vx[at(kF)]) / 3;
  shape.afY = (shape.vy[at(kA)] + shape.vy[at(kF)]) / 3;
  shape.valid = true;
}

void buildPolygon(HexPolygon& polygon, int size, int rotation) {
  polygon.radius = size;
  polygon.shape.size = size;
  polygon.shape.rotation = rotation;
  computeShape(polygon.shape);
  for (std::size_t i = 0; i < kDirections; ++i) {
    polygon.corners[i] = {polygon.shape.vx[i], polygon.shape.vy[i],
                          std::string(1, static_cast<char>('A' + i))};
  }
}

int pathX(const HexPath& path, const HexShape& shape) {
  int x = 0;
  for (std::size_t d = 0; d < kDirections; ++d)
    x += path.steps[d] * shape.vx[d];
  return x;
}

int pathY(const HexPath& path, const HexShape& shape) {
  int y = 0;
  for (std::size_t d = 0; d < kDirections; ++d)
    y += path.steps[d] * shape.vy[d];
  return y;
}

Point hexagonPosition(const HexShape& shape, TextView label) {
  return centreOf(shape, label);
}

Point cellPosition(const HexShape& shape, TextView corner) {
  const Point c = centreOf(shape, corner);
  return isAb(corner) ? Point{c.x + shape.abX, c.y + shape.abY}
                      : Point{c.x + shape.afX, c.y + shape.afY};
}

std::array<Point, 4> cellTriangle(const HexShape& shape, TextView corner) {
  const Point own = centreOf(shape, corner);
  const std::size_t other = isAb(corner) ? at(kB) : at(kF);
  const Point first = {own.x + shape.vx[at(kA)], own.y + shape.vy[at(kA)]};
  const Point second = {own.x + shape.vx[other], own.y + shape.vy[other]};
  return {own, first, second, own};
}

std::array<Point, 19> hexagonFan(const HexShape& shape, int cx, int cy) {
  std::array<Point, 19> fan{};
  for (std::size_t i = 0; i < kDirections; ++i) {
    fan[3 * i] = {cx, cy};
    fan[3 * i + 1] = {cx + shape.vx[i], cy + shape.vy[i]};
    fan[3 * i + 2] = {cx + shape.vx[nextOf(i)], cy + shape.vy[nextOf(i)]};
  }
  fan[18] = {cx, cy};
  return fan;
}

std::array<Point, 6> hexagonOutline(const HexShape& shape, int cx, int cy) {
  std::array<Point, 6> outline{};
  for (std::size_t i = 0; i < kDirections; ++i) {
    outline[i] = {cx + (shape.vx[i] + shape.vx[nextOf(i)]) / 3,
                  cy - (shape.vy[i] + shape.vy[nextOf(i)]) / 3};
  }
  return outline;
}

MarkTable computeMarkTable(const HexShape& shape, int hexagonSize) {
  const int a = shape.vy[at(kB)];
  // Rounded by adding a half and truncating, as the marks were always placed.
  // NOLINTNEXTLINE(bugprone-incorrect-roundings)
  const int b = static_cast<int>(static_cast<float>(a) / 12.0F + 0.5F);
  const int dy = a / 4;
  const int dx = hexagonSize / 8;
  // (mx, my) of marks 1 to 6, in units of (dx, dy).
  constexpr int ab[6][2] = {{0, 1}, {-1, 0}, {1, 0}, {-2, -1}, {0, -1}, {2, -1}};
  constexpr int af[6][2] = {{-2, 1}, {0, 1}, {2, 1}, {-1, 0}, {1, 0}, {0, -1}};
  MarkTable table;
  for (std::size_t k = 0; k < 6; ++k) {
    table.ab[k] = {ab[k][0] * dx, ab[k][1] * dy + b};
    table.af[k] = {af[k][0] * dx, af[k][1] * dy - b};
  }
  return table;
}

Point markPosition(const MarkTable& table, Point cell, bool abCorner, int k) {
  if (k < 1 || k > 6) return cell;
  const Point offset = (abCorner ? table.ab : table.af)[static_cast<std::size_t>(k - 1)];
  return {cell.x + offset.x, cell.y + offset.y};
}

}  // namespace qiro
