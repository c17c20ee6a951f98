// The geometry of the tiling on screen: direction vectors, corner offsets, positions.
#pragma once

#include <array>
#include <string>

#include "hexagon/hex_path.h"
#include "text/numeric.h"
#include "text/text.h"

namespace qiro {

// Frame: x to the right, y upward.
struct HexShape {
  int size = 30;     // distance between neighbouring centres; always even
  int rotation = 0;  // degrees
  bool valid = false;
  std::array<int, kDirections> vx{};  // x of directions A to F
  std::array<int, kDirections> vy{};  // y of directions A to F
  int afX = 0;                        // offset of a ":AF" corner from its hexagon's centre
  int abX = 0;                        // offset of a ":AB" corner
  int afY = 0;
  int abY = 0;
};

struct PolygonCorner {
  int x = 0;
  int y = 0;
  std::string name;
};

// A shape with its corners: for this game the six direction vectors, named "A" to "F".
struct HexPolygon {
  HexShape shape;
  int cornerCount = 6;
  int half = 3;
  int radius = 0;
  std::array<PolygonCorner, 6> corners{};
};

// Fills the vectors from size (raised to even) and rotation.
void computeShape(HexShape& shape);
// The shape at radius size and the given rotation, corners from its vectors.
void buildPolygon(HexPolygon& polygon, int size, int rotation);

int pathX(const HexPath& path, const HexShape& shape);
int pathY(const HexPath& path, const HexShape& shape);

// The centre of the hexagon a label's path reaches (a leading "X" is skipped).
Point hexagonPosition(const HexShape& shape, TextView label);
// A corner: its hexagon's centre plus the ":AB" or ":AF" offset.
Point cellPosition(const HexShape& shape, TextView corner);
// The centres of the three hexagons round a corner, then the first again.
std::array<Point, 4> cellTriangle(const HexShape& shape, TextView corner);
// Six triangles round (cx, cy): centre, corner i, corner i+1, for A to F; then the centre.
std::array<Point, 19> hexagonFan(const HexShape& shape, int cx, int cy);
// The six corners round (cx, cy) for a frame whose y grows downward.
std::array<Point, 6> hexagonOutline(const HexShape& shape, int cx, int cy);

// Where the six pencil marks of a cell sit, relative to the cell, for each corner kind.
struct MarkTable {
  std::array<Point, 6> ab{};
  std::array<Point, 6> af{};
};
MarkTable computeMarkTable(const HexShape& shape, int hexagonSize);
// Mark k (1 to 6) of a cell at cell; the cell itself for k outside 1..6.
Point markPosition(const MarkTable& table, Point cell, bool abCorner, int k);

}  // namespace qiro
