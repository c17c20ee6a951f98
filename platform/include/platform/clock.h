// The millisecond tick count, and a hook that lets tests move time by hand.
#pragma once

#include <cstdint>

namespace qiro {

// Milliseconds from a fixed moment (the system's start), from a clock that never goes
// back; it wraps round at 2^32 like a 32-bit counter, so callers take differences modulo
// 2^32.
std::uint32_t tickCount();

// While one exists, tickCount answers its value, which changes only when told.
// Hooks nest: the newest one counts, and removing it brings back the one before.
class ManualTicks {
 public:
  explicit ManualTicks(std::uint32_t start = 0);
  ~ManualTicks();
  ManualTicks(const ManualTicks&) = delete;
  ManualTicks& operator=(const ManualTicks&) = delete;

  void set(std::uint32_t ticks) { ticks_ = ticks; }
  // Wraps round at 2^32 like the real count.
  void advance(std::uint32_t ms) { ticks_ += ms; }
  std::uint32_t ticks() const { return ticks_; }

 private:
  std::uint32_t ticks_;
  ManualTicks* outer_;
};

}  // namespace qiro
