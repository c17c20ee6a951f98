// Tests of the tiling's geometry: vectors, positions, fans, outlines and pencil marks.
#include "hexagon/shape.h"

#include <gtest/gtest.h>

#include <vector>

namespace qiro {
namespace {

HexShape shapeOf(int size, int rotation) {
  HexShape s;
  s.size = size;
  s.rotation = rotation;
  computeShape(s);
  return s;
}

TEST(Shape, VectorsAndCornerOffsets) {
  struct Case {
    int size, rotation;
    std::array<int, 6> vx, vy;
    int abX, abY, afX, afY;
  };
  const Case cases[] = {
      {40, 0, {40, 20, -20, -40, -20, 20}, {0, 35, 35, 0, -35, -35}, 20, 11, 20, -11},
      {40, 90, {0, -35, -35, 0, 35, 35}, {40, 20, -20, -40, -20, 20}, -11, 20, 11, 20},
      // An odd size is raised to even.
      {41, 0, {42, 21, -21, -42, -21, 21}, {0, 36, 36, 0, -36, -36}, 21, 12, 21, -12},
      {30, 0, {30, 15, -15, -30, -15, 15}, {0, 26, 26, 0, -26, -26}, 15, 8, 15, -8},
  };
  for (const Case& c : cases) {
    const HexShape s = shapeOf(c.size, c.rotation);
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.vx, c.vx) << c.size << "/" << c.rotation;
    EXPECT_EQ(s.vy, c.vy) << c.size << "/" << c.rotation;
    EXPECT_EQ((std::array<int, 4>{s.abX, s.abY, s.afX, s.afY}),
              (std::array<int, 4>{c.abX, c.abY, c.afX, c.afY}))
        << c.size << "/" << c.rotation;
  }
  HexPolygon polygon;
  buildPolygon(polygon, 41, 0);
  EXPECT_EQ(polygon.radius, 41);
  EXPECT_EQ(polygon.shape.size, 42);
  EXPECT_EQ(polygon.corners[1].x, 21);
  EXPECT_EQ(polygon.corners[5].name, "F");
}

TEST(Shape, PositionsOfTheOriginCorners) {
  const HexShape s = shapeOf(40, 0);
  struct Case {
    const char* label;
    Point at;
  };
  const Case cases[] = {
      {":AB", {20, 11}},    {":AF", {20, -11}}, {"C:AF", {0, 24}},     {"D:AB", {-20, 11}},
      {"D:AF", {-20, -11}}, {"E:AB", {0, -24}}, {"AAB:AF", {120, 24}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cellPosition(s, c.label), c.at) << c.label;
  EXPECT_EQ(hexagonPosition(s, "XAB"), (Point{60, 35}));
  EXPECT_EQ(cellTriangle(s, "C:AF"),
            (std::array<Point, 4>{Point{-20, 35}, Point{20, 35}, Point{0, 0}, Point{-20, 35}}));
}

TEST(Shape, FanAndOutline) {
  const HexShape s = shapeOf(40, 0);
  const auto fan = hexagonFan(s, 100, 50);
  EXPECT_EQ(fan[0], (Point{100, 50}));
  EXPECT_EQ(fan[1], (Point{140, 50}));
  EXPECT_EQ(fan[2], (Point{120, 85}));
  EXPECT_EQ(fan[16], (Point{120, 15}));  // F is followed by A
  EXPECT_EQ(fan[17], (Point{140, 50}));
  EXPECT_EQ(fan[18], (Point{100, 50}));
  const auto outline = hexagonOutline(s, 100, 50);
  EXPECT_EQ(outline[0], (Point{120, 39}));  // y grows downward
  EXPECT_EQ(outline[5], (Point{120, 61}));
}

TEST(Shape, PencilMarks) {
  const HexShape s = shapeOf(40, 0);
  const MarkTable table = computeMarkTable(s, 40);
  const std::array<Point, 6> ab = {Point{0, 11}, {-5, 3}, {5, 3}, {-10, -5}, {0, -5}, {10, -5}};
  const std::array<Point, 6> af = {Point{-10, 5}, {0, 5}, {10, 5}, {-5, -3}, {5, -3}, {0, -11}};
  EXPECT_EQ(table.ab, ab);
  EXPECT_EQ(table.af, af);
  EXPECT_EQ(markPosition(table, {100, 200}, true, 6), (Point{110, 195}));
  EXPECT_EQ(markPosition(table, {100, 200}, false, 1), (Point{90, 205}));
  for (int k : {0, 7, -1})
    EXPECT_EQ(markPosition(table, {100, 200}, true, k), (Point{100, 200}));
}

}  // namespace
}  // namespace qiro
