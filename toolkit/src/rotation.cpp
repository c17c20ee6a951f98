// Turning points, exactly for quarter turns.
#include "toolkit/rotation.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace qiro {

void Rotation::setAngle(float degrees) {
  degrees_ = degrees;
  radians_ = degrees * std::numbers::pi_v<float> / 180.0F;
  exact_ = false;
  quarter_ = 0;
  if (!std::isfinite(degrees)) return;
  // Rounded down, not toward zero, so -90 is the same quarter turn as 270.
  const double whole = std::fmod(std::floor(static_cast<double>(degrees) + 0.25), 360.0);
  const int q = static_cast<int>(whole < 0 ? whole + 360.0 : whole);
  if (q % 90 == 0) {
    exact_ = true;
    quarter_ = q;
  }
}

void Rotation::turn(float x, float y) {
  if (exact_) {
    switch (quarter_) {
      case 90:
        x_ = -y;
        y_ = x;
        return;
      case 180:
        x_ = -x;
        y_ = -y;
        return;
      case 270:
        x_ = y;
        y_ = -x;
        return;
      default:
        x_ = x;
        y_ = y;
        return;
    }
  }
  const float c = std::cos(radians_);
  const float s = std::sin(radians_);
  x_ = x * c - y * s;
  y_ = x * s + y * c;
}

void turnPoints(std::span<Point> points, float degrees) {
  Rotation rotation;
  rotation.setAngle(degrees);
  for (Point& p : points) {
    rotation.turn(static_cast<float>(p.x), static_cast<float>(p.y));
    p.x = truncToShort(rotation.x());
    p.y = truncToShort(rotation.y());
  }
}

int truncToShort(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lo = std::numeric_limits<std::int16_t>::min();
  constexpr double hi = std::numeric_limits<std::int16_t>::max();
  return static_cast<int>(std::trunc(value < lo ? lo : (value > hi ? hi : value)));
}

}  // namespace qiro
