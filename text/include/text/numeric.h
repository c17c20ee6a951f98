// Small numeric helpers shared by geometry, drawing and the shell; the build-date stamp.
#pragma once

#include <cstdint>
#include <span>

#include "text/text.h"

namespace qiro {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

constexpr int minOf(int a, int b) {
  return a < b ? a : b;
}
constexpr int maxOf(int a, int b) {
  return a > b ? a : b;
}
constexpr int maxOf3(int a, int b, int c) {
  return maxOf(a, maxOf(b, c));
}
constexpr bool between(int v, int lo, int hi) {
  return lo <= v && v <= hi;
}
constexpr bool inEitherRange(int v, int lo1, int hi1, int lo2, int hi2) {
  return between(v, lo1, hi1) || between(v, lo2, hi2);
}
constexpr bool sameShort(int a, int b) {
  return static_cast<std::int16_t>(a) == static_cast<std::int16_t>(b);
}
// lo below the range, hi above it; hi whenever lo > hi.
constexpr int clampTo(int v, int lo, int hi) {
  const int raised = v < lo ? lo : v;
  return raised > hi ? hi : raised;
}
// v moved into lo..hi by whole widths (hi - lo + 1); hi whenever lo > hi.
int wrapInto(int v, int lo, int hi);
int manhattanDistance(int x1, int y1, int x2, int y2);
// Nearest integer, halves away from zero, held in 16 bits.
std::int16_t roundToShort(float x);
float degreesToRadians(float x);
// target[i] = source[i] + (dx, dy), dx and dy taken as 16-bit values; count is
// limited to the sizes of both spans.
void offsetPoints(std::span<const Point> source, std::span<Point> target, int count, int dx,
                  int dy);
// target[i] = (source x, -source y).
void mirrorPoints(std::span<const Point> source, std::span<Point> target, int count);

// yyyymmdd from a date text of the form "Mmm dd yyyy" (the day may be space-filled).
Text dateStampOf(TextView buildDate);
// The stamp of this build's compile date, computed on the first request.
const char* buildDateStamp();

}  // namespace qiro
