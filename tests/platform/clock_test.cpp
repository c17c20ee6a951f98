// Tests of the tick count and its manual hook.
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace qiro {
namespace {

TEST(Clock, ManualTicksStandInForTheClockAndNest) {
  ManualTicks outer(1000);
  EXPECT_EQ(tickCount(), 1000U);
  outer.advance(250);
  EXPECT_EQ(tickCount(), 1250U);
  {
    ManualTicks inner(0xFFFFFFF0U);
    inner.advance(0x20);  // wraps like the real counter
    EXPECT_EQ(tickCount(), 0x10U);
  }
  EXPECT_EQ(tickCount(), 1250U);
}

}  // namespace
}  // namespace qiro
