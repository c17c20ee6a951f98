// Numeric helpers: wrapping, distances, rounding, angles and point arrays.
#include "text/numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qiro {

int wrapInto(int v, int lo, int hi) {
  if (lo > hi) return hi;  // an empty range would never be reached by stepping
  // The same result as stepping by whole widths, in one step and without overflow.
  const std::int64_t width = std::int64_t{hi} - lo + 1;
  std::int64_t offset = (std::int64_t{v} - lo) % width;
  if (offset < 0) offset += width;
  return static_cast<int>(lo + offset);
}

int manhattanDistance(int x1, int y1, int x2, int y2) {
  const std::int64_t d = std::llabs(std::int64_t{x1} - x2) + std::llabs(std::int64_t{y1} - y2);
  return static_cast<int>(static_cast<std::uint32_t>(d));
}

std::int16_t roundToShort(float x) {
  if (std::isnan(x)) return 0;
  if (x < 0) return static_cast<std::int16_t>(-roundToShort(-x));
  // Kept to 16 bits by wrapping, as the stored value would be, without undefined casts.
  const double whole = std::fmod(std::trunc(static_cast<double>(x) + 0.5), 65536.0);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(whole));
}

float degreesToRadians(float x) {
  return static_cast<float>(x * 3.141592653589793 / 180);
}

void offsetPoints(std::span<const Point> source, std::span<Point> target, int count, int dx,
                  int dy) {
  const std::size_t n = std::min({source.size(), target.size(), std::size_t(std::max(count, 0))});
  const std::int32_t sx = static_cast<std::int16_t>(dx);
  const std::int32_t sy = static_cast<std::int16_t>(dy);
  for (std::size_t i = 0; i < n; ++i)
    target[i] = {source[i].x + sx, source[i].y + sy};
}

void mirrorPoints(std::span<const Point> source, std::span<Point> target, int count) {
  const std::size_t n = std::min({source.size(), target.size(), std::size_t(std::max(count, 0))});
  for (std::size_t i = 0; i < n; ++i)
    target[i] = {source[i].x, -source[i].y};
}

}  // namespace qiro
