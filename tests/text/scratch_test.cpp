// Tests of the conversions to text and of the rotating scratch area that holds them.
#include "text/scratch.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

namespace qiro {
namespace {

class Scratch : public ::testing::Test {
 protected:
  void SetUp() override { ScratchArea::reset(); }
};

TEST_F(Scratch, Conversions) {
  EXPECT_STREQ(numberText(0), "0");
  EXPECT_STREQ(numberText(-12), "-12");
  EXPECT_STREQ(numberText(INT_MIN), "-2147483648");
  struct Padded {
    int n, width;
    const char* text;
  };
  for (const Padded& p :
       {Padded{7, 2, "07"}, Padded{5, 2, "05"}, Padded{2021, 2, "21"}, Padded{2021, 4, "2021"},
        Padded{-5, 3, "0-5"}, Padded{42, 0, "2"},  // widths below 1 count as 1
        Padded{42, 40, "00000000042"}}) {          // and above 11 as 11
    EXPECT_STREQ(paddedNumberText(p.n, p.width), p.text) << p.n << " width " << p.width;
  }
  EXPECT_STREQ(realText(1.5), "1.500000");
  EXPECT_STREQ(realText(0.25), "0.250000");
  EXPECT_STREQ(realText(-0.5), "-0.500000");
  EXPECT_STREQ(charText('x'), "x");
  EXPECT_STREQ(charText('\xE9'), "\xE9");
}

TEST_F(Scratch, HugeRealsAreCutToTheirReservation) {
  const std::string cut = realText(1e300);
  EXPECT_EQ(cut.size(), 20U);
  EXPECT_EQ(cut.substr(0, 5), "10000");
  EXPECT_EQ(std::strlen(realText(-1.7e308)), 20U);
  EXPECT_STREQ(realText(INFINITY), "inf");
}

TEST_F(Scratch, ResultsLieSideBySideUntilTheAreaWraps) {
  for (int i = 1; i <= 23; ++i) {
    const char* r = numberText(12345);
    EXPECT_EQ(ScratchArea::offsetOf(r), 6 * (i - 1)) << "result " << i;
  }
  const char* first = numberText(12345);  // the 24th: 138 + 16 + 1 > 150
  EXPECT_EQ(ScratchArea::offsetOf(first), 0);
  const char* second = numberText(7);
  EXPECT_EQ(ScratchArea::offsetOf(second), 6);
  EXPECT_STREQ(first, "12345");

  // Several results used together in one expression stay intact.
  std::string date =
      std::string(paddedNumberText(2021, 4)) + paddedNumberText(2, 2) + paddedNumberText(13, 2);
  EXPECT_EQ(date, "20210213");
}

TEST_F(Scratch, EveryReservationFitsAtTheEndOfTheArea) {
  // Fill to just below the end with one-character results, then convert the widest
  // value of each kind: none may write past the block.
  for (int cursorTarget = 100; cursorTarget < ScratchArea::kSize; ++cursorTarget) {
    ScratchArea::reset();
    while (ScratchArea::cursor() < cursorTarget &&
           ScratchArea::cursor() + 4 <= ScratchArea::kSize) {
      charText('a');
    }
    const char* results[] = {numberText(INT_MIN), paddedNumberText(INT_MIN, 11), realText(-1e300),
                             charText('z')};
    for (const char* r : results) {
      const int at = ScratchArea::offsetOf(r);
      ASSERT_GE(at, 0);
      EXPECT_LT(at + static_cast<int>(std::strlen(r)), ScratchArea::kSize);
    }
  }
}

}  // namespace
}  // namespace qiro
