// Stopwatch: whole seconds counted from the tick count, the per-grid stopwatches and the
// duration text.
#pragma once

#include <array>
#include <cstdint>

#include "text/text.h"

namespace qiro {

// A duration taken apart; hours are not folded into days.
struct DurationParts {
  int hours = 0;
  int minutes = 0;  // 0 to 59
  int seconds = 0;  // 0 to 59
};

class Stopwatch {
 public:
  // The counted seconds never pass this, so they always fit a signed 32-bit value.
  static constexpr std::int32_t kMaxSeconds = INT32_MAX;

  Stopwatch() { reset(); }

  // Stopped and empty.
  void reset();
  // Books the open interval first when running, then opens a new one now.
  void start();
  // Books the whole seconds of the open interval; the fraction of a second is lost.
  void stop();
  // Amounts of 0 or less change nothing (a damaged preferences value must not make the
  // count negative).
  void addSeconds(std::int64_t n);
  // The booked seconds plus, when running, the whole seconds of the open interval,
  // which stays open and unbooked.
  std::int32_t elapsedSeconds();
  DurationParts split();
  // "7s", " 45s", "5mn 07s", "1h 05mn": hours and minutes once an hour is reached,
  // minutes and seconds once a minute is, else seconds only.
  Text durationText();

  bool running() const { return running_; }

 private:
  // Whole seconds of the open interval; tick differences wrap at 2^32.
  std::uint32_t openSeconds();

  std::uint32_t startTick_ = 0;
  std::uint32_t lastTick_ = 0;
  std::int32_t seconds_ = 0;
  bool running_ = false;
};

// One stopwatch per built-in grid, numbered 1 to kGridStopwatchCount.
inline constexpr int kGridStopwatchCount = 5;

// The process-wide stopwatches; index 0 holds grid 1.
std::array<Stopwatch, kGridStopwatchCount>& gridStopwatches();

// The stopwatch of a grid number. A number outside 1 to kGridStopwatchCount gives a spare
// stopwatch, reset at every such request, so a wrong number never touches a grid's time.
Stopwatch& gridStopwatch(int gridNumber);

// The shell's conditions that decide whether the grid in play is timed.
struct ChronoInputs {
  bool chronoEnabled = true;
  // Withdrawn around commands, grid loads and while the window is minimised.
  bool runPermitted = false;
  bool dialogPause = true;
  int currentGridNumber = 0;
  // Every cell of the grid in play holds a number: its time is final.
  bool gridFilled = false;
};

// Runs the stopwatch of the grid in play when the inputs allow it and stops every other.
// A stopwatch that is already running and may go on is left alone, so a repeated call
// loses no fraction of a second.
void updateChronometers(const ChronoInputs& inputs);

}  // namespace qiro
