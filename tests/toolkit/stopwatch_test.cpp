// Tests for the stopwatch, the per-grid stopwatches, the duration text and the chronometer
// update.
#include "toolkit/stopwatch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace qiro {
namespace {

TEST(StopwatchTest, EachIntervalBooksItsWholeSecondsOnly) {
  ManualTicks ticks(1000);
  Stopwatch sw;
  for (int i = 0; i < 2; ++i) {
    sw.start();
    ticks.advance(2900);
    sw.stop();
  }
  EXPECT_EQ(sw.elapsedSeconds(), 4);
  EXPECT_FALSE(sw.running());
}

TEST(StopwatchTest, StartWhileRunningBooksTheOpenInterval) {
  ManualTicks ticks;
  Stopwatch sw;
  sw.start();
  ticks.advance(1500);
  sw.start();
  EXPECT_TRUE(sw.running());
  ticks.advance(1500);
  sw.stop();
  // One interval of 3 s would give 3; two booked intervals of 1.5 s give 2.
  EXPECT_EQ(sw.elapsedSeconds(), 2);
}

TEST(StopwatchTest, RunningReadDoesNotBook) {
  ManualTicks ticks;
  Stopwatch sw;
  sw.start();
  ticks.advance(2500);
  EXPECT_EQ(sw.elapsedSeconds(), 2);
  ticks.advance(600);
  // Booking at the read would have dropped its half second and given 2 here.
  EXPECT_EQ(sw.elapsedSeconds(), 3);
  EXPECT_TRUE(sw.running());
  sw.stop();
  EXPECT_EQ(sw.elapsedSeconds(), 3);
}

TEST(StopwatchTest, TickCounterWrapInsideAnInterval) {
  ManualTicks ticks(UINT32_MAX - 499);
  Stopwatch sw;
  sw.start();
  ticks.advance(3000);
  ASSERT_LT(ticks.ticks(), 3000U);
  EXPECT_EQ(sw.elapsedSeconds(), 3);
  ticks.advance(1000);
  sw.stop();
  EXPECT_EQ(sw.elapsedSeconds(), 4);
}

TEST(StopwatchTest, StopWhenStoppedAndResetChangeAsExpected) {
  ManualTicks ticks;
  Stopwatch sw;
  sw.stop();
  ticks.advance(5000);
  EXPECT_EQ(sw.elapsedSeconds(), 0);

  sw.addSeconds(10);
  sw.start();
  ticks.advance(5000);
  sw.reset();
  EXPECT_FALSE(sw.running());
  ticks.advance(5000);
  EXPECT_EQ(sw.elapsedSeconds(), 0);
}

TEST(StopwatchTest, AddSecondsIgnoresNonPositiveAndCapsTheTotal) {
  ManualTicks ticks;
  Stopwatch sw;
  sw.addSeconds(90);
  sw.addSeconds(-50);
  sw.addSeconds(0);
  EXPECT_EQ(sw.elapsedSeconds(), 90);

  sw.addSeconds(INT64_MAX);
  EXPECT_EQ(sw.elapsedSeconds(), Stopwatch::kMaxSeconds);
  sw.start();
  ticks.advance(10000);
  EXPECT_EQ(sw.elapsedSeconds(), Stopwatch::kMaxSeconds);
  sw.stop();
  EXPECT_EQ(sw.elapsedSeconds(), Stopwatch::kMaxSeconds);
}

TEST(StopwatchTest, SplitIncludesTheOpenInterval) {
  ManualTicks ticks;
  Stopwatch sw;
  sw.addSeconds(3600 + 59 * 60 + 58);
  sw.start();
  ticks.advance(2000);
  const DurationParts parts = sw.split();
  EXPECT_EQ(parts.hours, 2);
  EXPECT_EQ(parts.minutes, 0);
  EXPECT_EQ(parts.seconds, 0);
}

TEST(DurationTextTest, Table) {
  struct Case {
    std::int64_t seconds;
    const char* text;
  };
  const Case cases[] = {
      {0, "0s"},
      {7, "7s"},
      {45, " 45s"},
      {60, "1mn 00s"},
      {65, "1mn 05s"},
      {307, "5mn 07s"},
      {600, "10mn 00s"},
      {3599, "59mn 59s"},
      {3600, "1h 00mn"},
      {3600 + 5 * 60 + 30, "1h 05mn"},
      {27LL * 3600, "27h 00mn"},
      // Hours past 16 bits are not cut.
      {40000LL * 3600, "40000h 00mn"},
      {INT32_MAX, "596523h 14mn"},
  };
  for (const Case& c : cases) {
    Stopwatch sw;
    sw.addSeconds(c.seconds);
    EXPECT_EQ(std::string(sw.durationText().view()), c.text) << c.seconds;
  }
}

class ChronometerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (Stopwatch& sw : gridStopwatches())
      sw.reset();
  }
  void TearDown() override {
    for (Stopwatch& sw : gridStopwatches())
      sw.reset();
  }
  static ChronoInputs runnable(int grid) {
    ChronoInputs in;
    in.chronoEnabled = true;
    in.runPermitted = true;
    in.dialogPause = false;
    in.currentGridNumber = grid;
    in.gridFilled = false;
    return in;
  }
  static int runningGrid() {
    int found = 0;
    for (int i = 1; i <= kGridStopwatchCount; ++i) {
      if (gridStopwatch(i).running()) {
        EXPECT_EQ(found, 0) << "two stopwatches run";
        found = i;
      }
    }
    return found;
  }

  ManualTicks ticks_;
};

TEST_F(ChronometerTest, OnlyTheGridInPlayRunsWhenEverythingAllows) {
  struct Case {
    const char* name;
    void (*change)(ChronoInputs&);
    int expected;
  };
  const Case cases[] = {
      {"all allow", [](ChronoInputs&) {}, 3},
      {"chronometer off", [](ChronoInputs& in) { in.chronoEnabled = false; }, 0},
      {"run not permitted", [](ChronoInputs& in) { in.runPermitted = false; }, 0},
      {"dialog pause", [](ChronoInputs& in) { in.dialogPause = true; }, 0},
      {"grid filled", [](ChronoInputs& in) { in.gridFilled = true; }, 0},
      {"grid 0", [](ChronoInputs& in) { in.currentGridNumber = 0; }, 0},
      {"grid 6", [](ChronoInputs& in) { in.currentGridNumber = 6; }, 0},
      {"grid -1", [](ChronoInputs& in) { in.currentGridNumber = -1; }, 0},
  };
  for (const Case& c : cases) {
    // Start from grid 3 running, so every case also shows that a pause stops it.
    updateChronometers(runnable(3));
    ChronoInputs in = runnable(3);
    c.change(in);
    updateChronometers(in);
    EXPECT_EQ(runningGrid(), c.expected) << c.name;
  }
}

TEST_F(ChronometerTest, SwitchingGridsBooksTheOldOne) {
  updateChronometers(runnable(2));
  ticks_.advance(4200);
  updateChronometers(runnable(5));
  ticks_.advance(1000);
  EXPECT_FALSE(gridStopwatch(2).running());
  EXPECT_EQ(gridStopwatch(2).elapsedSeconds(), 4);
  EXPECT_EQ(gridStopwatch(5).elapsedSeconds(), 1);
}

TEST_F(ChronometerTest, RepeatedUpdateLosesNoTime) {
  updateChronometers(runnable(1));
  ticks_.advance(1500);
  updateChronometers(runnable(1));
  ticks_.advance(1500);
  gridStopwatch(1).stop();
  EXPECT_EQ(gridStopwatch(1).elapsedSeconds(), 3);
}

TEST_F(ChronometerTest, NumbersOutsideTheGridsGiveAFreshSpare) {
  Stopwatch& spare = gridStopwatch(0);
  spare.addSeconds(50);
  spare.start();
  EXPECT_EQ(gridStopwatch(6).elapsedSeconds(), 0);
  EXPECT_FALSE(gridStopwatch(-3).running());
  for (int i = 1; i <= kGridStopwatchCount; ++i) {
    EXPECT_NE(&gridStopwatch(i), &spare);
    EXPECT_EQ(gridStopwatch(i).elapsedSeconds(), 0);
  }
}

}  // namespace
}  // namespace qiro
