// The millisecond tick count and its manual stand-in for tests.
#include "platform/clock.h"

#include <chrono>

namespace qiro {

namespace {

ManualTicks* manualTicks = nullptr;  // the newest hook, if any

}  // namespace

std::uint32_t tickCount() {
  if (manualTicks != nullptr) return manualTicks->ticks();
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  // Only the low 32 bits, like the counter it stands for.
  return static_cast<std::uint32_t>(ms);
}

ManualTicks::ManualTicks(std::uint32_t start) : ticks_(start), outer_(manualTicks) {
  manualTicks = this;
}

ManualTicks::~ManualTicks() {
  manualTicks = outer_;
}

}  // namespace qiro
