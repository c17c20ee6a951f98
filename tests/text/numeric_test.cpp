// Tests of the numeric helpers and of the build-date stamp.
#include "text/numeric.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace qiro {
namespace {

TEST(Numeric, RangesAndClamps) {
  EXPECT_EQ(clampTo(5, 10, 20), 10);
  EXPECT_EQ(clampTo(25, 10, 20), 20);
  EXPECT_EQ(clampTo(15, 10, 20), 15);
  for (int v : {0, 15, 30})
    EXPECT_EQ(clampTo(v, 20, 10), 10) << v;
  EXPECT_TRUE(between(3, 1, 3));
  EXPECT_FALSE(between(0, 1, 3));
  EXPECT_FALSE(between(2, 3, 1));
  EXPECT_TRUE(inEitherRange(8, 1, 3, 7, 9));
  EXPECT_TRUE(sameShort(65536 + 5, 5));
  EXPECT_EQ(maxOf3(1, 7, 3), 7);
  EXPECT_EQ(minOf(-2, 4), -2);
  EXPECT_EQ(manhattanDistance(1, 2, 4, -2), 7);
}

TEST(Numeric, WrapIntoStepsByWholeWidths) {
  struct Case {
    int v, lo, hi, answer;
  };
  const Case cases[] =
      {
          {65, 65, 70, 65},   {71, 65, 70, 65}, {63, 65, 70, 69},
          {77, 65, 70, 65},   {58, 65, 70, 70}, {INT_MAX, 0, 5, 1},
          {INT_MIN, 1, 6, 4}, {3, 9, 2, 2},  // an empty range gives hi instead of never ending
      };
  for (const Case& c : cases)
    EXPECT_EQ(wrapInto(c.v, c.lo, c.hi), c.answer) << c.v;
}

TEST(Numeric, RoundToShortRoundsHalvesAwayFromZero) {
  struct Case {
    float x;
    int answer;
  };
  const Case cases[] = {
      {2.5F, 3},   {-2.5F, -3},       {2.49F, 2},         {0.5F, 1},  {-0.5F, -1},
      {-0.49F, 0}, {32767.4F, 32767}, {32768.0F, -32768}, {1e20F, 0}, {NAN, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(roundToShort(c.x), c.answer) << c.x;
}

TEST(Numeric, AnglesAndPoints) {
  EXPECT_FLOAT_EQ(degreesToRadians(180), 3.1415927F);
  const std::vector<Point> source = {{1, 2}, {-3, 4}};
  std::vector<Point> target(2);
  offsetPoints(source, target, 2, 10, 65536 + 20);  // dx and dy count as 16-bit values
  EXPECT_EQ(target, (std::vector<Point>{{11, 22}, {7, 24}}));
  mirrorPoints(source, target, 2);
  EXPECT_EQ(target, (std::vector<Point>{{1, -2}, {-3, -4}}));
  std::vector<Point> small(1);
  offsetPoints(source, small, 5, 1, 1);  // never past the end of either array
  EXPECT_EQ(small[0], (Point{2, 3}));
}

TEST(BuildDate, StampIsYearMonthDay) {
  struct Case {
    const char* date;
    const char* stamp;
  };
  const Case cases[] = {
      {"Feb 13 2021", "20210213"}, {"Mar  5 2021", "20210305"}, {"Mar 05 2021", "20210305"},
      {"Dec 31 1999", "19991231"}, {"Xyz 1 2020", "20200001"},  {"", "00000000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(dateStampOf(c.date).view(), c.stamp) << c.date;

  const char* stamp = buildDateStamp();
  EXPECT_EQ(dateStampOf(__DATE__).view(), stamp);
  EXPECT_EQ(buildDateStamp(), stamp);  // computed once
}

}  // namespace
}  // namespace qiro
