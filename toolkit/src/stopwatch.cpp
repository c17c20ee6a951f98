// Stopwatch: whole seconds counted from the tick count, the per-grid stopwatches and the
// duration text.
#include "toolkit/stopwatch.h"

#include <cstddef>
#include <string>
#include <utility>

#include "platform/clock.h"

namespace qiro {

namespace {

// Adds without passing kMaxSeconds; both values are 0 or more.
std::int32_t addCapped(std::int32_t seconds, std::int64_t more) {
  // Compared with the room left, since seconds + more could itself overflow.
  if (more >= Stopwatch::kMaxSeconds - seconds) return Stopwatch::kMaxSeconds;
  return static_cast<std::int32_t>(seconds + more);
}

void appendTwoDigits(std::string& s, int n) {
  s += static_cast<char>('0' + n / 10);
  s += static_cast<char>('0' + n % 10);
}

}  // namespace

void Stopwatch::reset() {
  startTick_ = tickCount();
  lastTick_ = startTick_;
  seconds_ = 0;
  running_ = false;
}

void Stopwatch::start() {
  stop();
  startTick_ = tickCount();
  lastTick_ = startTick_;
  running_ = true;
}

void Stopwatch::stop() {
  if (!running_) return;
  seconds_ = addCapped(seconds_, openSeconds());
  running_ = false;
}

void Stopwatch::addSeconds(std::int64_t n) {
  if (n > 0) seconds_ = addCapped(seconds_, n);
}

std::int32_t Stopwatch::elapsedSeconds() {
  return running_ ? addCapped(seconds_, openSeconds()) : seconds_;
}

std::uint32_t Stopwatch::openSeconds() {
  lastTick_ = tickCount();
  // Unsigned subtraction is taken modulo 2^32, so a wrap of the counter inside the
  // interval still gives its true length.
  return (lastTick_ - startTick_) / 1000U;
}

DurationParts Stopwatch::split() {
  const std::int32_t total = elapsedSeconds();
  return {total / 3600, total / 60 % 60, total % 60};
}

Text Stopwatch::durationText() {
  const DurationParts parts = split();
  std::string s;
  if (parts.hours > 0) {
    s = std::to_string(parts.hours) + "h ";
    appendTwoDigits(s, parts.minutes);
    s += "mn";
  } else {
    if (parts.minutes > 0) {
      appendTwoDigits(s, parts.minutes);
      s += "mn";
    }
    s += ' ';
    appendTwoDigits(s, parts.seconds);
    s += 's';
  }
  // A leading zero goes, together with the blanks before it; a two-digit seconds-only
  // text keeps its blank so the field's width does not jump at 10 seconds.
  const std::size_t first = s.find_first_not_of(' ');
  if (first != std::string::npos && s[first] == '0') s.erase(0, first + 1);
  return Text::fromBytes(std::move(s));
}

std::array<Stopwatch, kGridStopwatchCount>& gridStopwatches() {
  static std::array<Stopwatch, kGridStopwatchCount> stopwatches;
  return stopwatches;
}

Stopwatch& gridStopwatch(int gridNumber) {
  if (gridNumber >= 1 && gridNumber <= kGridStopwatchCount) {
    return gridStopwatches()[static_cast<std::size_t>(gridNumber - 1)];
  }
  static Stopwatch spare;
  spare.reset();
  return spare;
}

void updateChronometers(const ChronoInputs& inputs) {
  const bool mayRun =
      inputs.chronoEnabled && inputs.runPermitted && !inputs.dialogPause && !inputs.gridFilled;
  for (int i = 1; i <= kGridStopwatchCount; ++i) {
    Stopwatch& stopwatch = gridStopwatch(i);
    if (mayRun && i == inputs.currentGridNumber) {
      if (!stopwatch.running()) stopwatch.start();
    } else {
      stopwatch.stop();
    }
  }
}

}  // namespace qiro
