// Tests of the number-set tables.
#include "game/number_set.h"

#include <gtest/gtest.h>

namespace qiro {
namespace {

TEST(NumberSet, TablesHoldSingleNumbersTheirComplementsAndBitCounts) {
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(bitCount(singleNumberSet(n)), 1) << n;
    EXPECT_EQ(singleNumberSet(n) | allButNumberSet(n), kAllNumbers) << n;
    EXPECT_EQ(singleNumberSet(n) & allButNumberSet(n), 0) << n;
    EXPECT_TRUE(hasNumber(singleNumberSet(n), n)) << n;
  }
  EXPECT_EQ(singleNumberSet(1), 1);
  EXPECT_EQ(singleNumberSet(6), 32);
  for (int n : {-1, 0, 7, 100}) {
    EXPECT_EQ(singleNumberSet(n), 0) << n;
    EXPECT_EQ(allButNumberSet(n), 0) << n;
    EXPECT_FALSE(hasNumber(kAllNumbers, n)) << n;
  }
  EXPECT_EQ(kBitCount[0], 0);
  EXPECT_EQ(kBitCount[0b101101], 4);
  EXPECT_EQ(kBitCount[63], 6);
}

}  // namespace
}  // namespace qiro
