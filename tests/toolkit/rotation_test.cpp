// Tests of turning points, exactly for quarter turns.
#include "toolkit/rotation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace qiro {
namespace {

struct TurnCase {
  float degrees;
  bool exact;
  int quarter;
  float x, y;  // (3, 4) turned
};

TEST(Rotation, TurnsQuarterTurnsExactlyAndOtherAnglesBySineAndCosine) {
  const TurnCase cases[] = {
      {0, true, 0, 3, 4},
      {90, true, 90, -4, 3},
      {180, true, 180, -3, -4},
      {270, true, 270, 4, -3},
      {-90, true, 270, 4, -3},
      {450, true, 90, -4, 3},
      {89.8F, true, 90, -4, 3},
      {359.9F, true, 0, 3, 4},
      {-0.2F, true, 0, 3, 4},
      {-0.3F, false, 0, 3.0209F, 3.9843F},
      {89.7F, false, 0, -3.9843F, 3.0209F},
      {36.8699F, false, 0, 0, 5},  // the angle of (3, 4) itself
  };
  for (const TurnCase& c : cases) {
    Rotation rotation;
    rotation.setAngle(c.degrees);
    EXPECT_EQ(rotation.exact(), c.exact) << c.degrees;
    EXPECT_EQ(rotation.quarter(), c.quarter) << c.degrees;
    EXPECT_FLOAT_EQ(rotation.radians(), c.degrees * 3.14159265F / 180.0F) << c.degrees;
    rotation.turn(3, 4);
    if (c.exact) {
      EXPECT_EQ(rotation.x(), c.x) << c.degrees;
      EXPECT_EQ(rotation.y(), c.y) << c.degrees;
    } else {
      EXPECT_NEAR(rotation.x(), c.x, 1e-3) << c.degrees;
      EXPECT_NEAR(rotation.y(), c.y, 1e-3) << c.degrees;
    }
  }
}

TEST(Rotation, TurnsAPointListAndTruncatesTowardZero) {
  std::array<Point, 3> points = {{{30, 0}, {0, 30}, {-7, 2}}};
  turnPoints(points, 90);
  EXPECT_EQ(points[0], (Point{0, 30}));
  EXPECT_EQ(points[1], (Point{-30, 0}));
  EXPECT_EQ(points[2], (Point{-2, -7}));
  std::array<Point, 1> diagonal = {{{10, 0}}};
  turnPoints(diagonal, 45);
  EXPECT_EQ(diagonal[0], (Point{7, 7}));
  turnPoints(diagonal, 180);
  EXPECT_EQ(diagonal[0], (Point{-7, -7}));
}

TEST(Rotation, TruncToShortKeepsLengthsWithin16Bits) {
  EXPECT_EQ(truncToShort(45.35), 45);
  EXPECT_EQ(truncToShort(-8.49), -8);
  EXPECT_EQ(truncToShort(1e9), 32767);
  EXPECT_EQ(truncToShort(-1e9), -32768);
  EXPECT_EQ(truncToShort(std::nan("")), 0);
}

}  // namespace
}  // namespace qiro
