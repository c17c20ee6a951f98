// Tests of the hit tests and the bounding box.
#include "hexagon/hit_tests.h"

#include <gtest/gtest.h>

#include <vector>

namespace qiro {
namespace {

TEST(HitTests, NearestWithinLimitAndTies) {
  const std::vector<Point> cells = {{0, 0}, {40, 0}, {20, 30}};
  struct Case {
    int x, y, cell;
  };
  const Case cases[] = {
      {0, 0, 1},  {20, 0, 1},  // equally far from cells 1 and 2: the lower number
      {21, 0, 2}, {0, 20, 1},  // exactly hexagonSize / 2 away
      {0, 21, 0}, {-11, 10, 0}, {20, 31, 3}, {100, 100, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cellAt(cells, 40, c.x, c.y), c.cell) << c.x << "," << c.y;
  EXPECT_EQ(cellAt({}, 40, 0, 0), 0);
  // An odd size keeps its own limits: 41 / 2 = 20.
  EXPECT_EQ(cellAt(cells, 41, 0, 20), 1);
  EXPECT_EQ(cellAt(cells, 41, 0, 21), 0);
}

TEST(HitTests, MarksAndHexagons) {
  const std::vector<Point> marks = {{0, 11}, {-5, 3}, {5, 3}, {-10, -5}, {0, -5}, {10, -5}};
  EXPECT_EQ(markAt(marks, 40, 1, 9), 1);
  EXPECT_EQ(markAt(marks, 40, 0, 4), 2);  // 6 from marks 2 and 3, 9 from 5: the lower
  EXPECT_EQ(markAt(marks, 40, 0, 18), 0);

  const std::vector<Point> full = {{0, 0}, {40, 0}};
  const std::vector<Point> partial = {{100, 0}, {200, 0}};
  EXPECT_EQ(hexagonAt(full, 40, 6, 0), 1);
  EXPECT_EQ(hexagonAt(full, 40, 7, 0), 0);
  EXPECT_EQ(anyHexagonAt(full, partial, 40, 40, 6), 2);
  EXPECT_EQ(anyHexagonAt(full, partial, 40, 210, 0), 4);  // partials number after the full
  EXPECT_EQ(anyHexagonAt(full, partial, 40, 211, 0), 0);
  EXPECT_EQ(touchingHexagonAt(partial, 40, 103, 3), 1);
}

TEST(HitTests, BoundingBox) {
  const std::vector<Point> cells = {{20, 11}, {-20, -11}, {0, 24}};
  EXPECT_EQ(boundingBox(cells, 40), (Box{-60, 60, 64, -51}));
  EXPECT_EQ(boundingBox({}, 40), (Box{-40, 40, 40, -40}));
}

}  // namespace
}  // namespace qiro
