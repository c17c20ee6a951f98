// The rotating scratch area and the conversions that write into it.
#include "text/scratch.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace qiro {

namespace {

struct Area {
  std::array<char, ScratchArea::kSize> block{};
  int cursor = 0;
};

Area& area() {
  static Area a;
  return a;
}

// Where a conversion that may need `reservation` bytes writes its result.
char* placeFor(int reservation) {
  Area& a = area();
  if (a.cursor == 0 || a.cursor + reservation + 1 > ScratchArea::kSize) a.cursor = 0;
  return a.block.data() + a.cursor;
}

// Stores text (which fits its reservation) at place and moves the cursor behind it.
const char* commit(char* place, const char* text, std::size_t length) {
  std::memmove(place, text, length);
  place[length] = '\0';
  area().cursor += static_cast<int>(length) + 1;
  return place;
}

int decimal(char* out, std::size_t room, std::int32_t n) {
  return std::snprintf(out, room, "%ld", static_cast<long>(n));
}

}  // namespace

int ScratchArea::offsetOf(const char* result) {
  const char* start = area().block.data();
  if (result < start || result >= start + kSize) return -1;
  return static_cast<int>(result - start);
}

int ScratchArea::cursor() {
  return area().cursor;
}
void ScratchArea::reset() {
  area().cursor = 0;
}

const char* numberText(std::int32_t n) {
  char* place = placeFor(16);
  char digits[16];
  const int len = decimal(digits, sizeof digits, n);
  return commit(place, digits, static_cast<std::size_t>(len));
}

const char* paddedNumberText(std::int32_t n, int width) {
  // The result must fit its 12-byte reservation.
  width = std::clamp(width, 1, 11);
  char* place = placeFor(12);
  char digits[24];
  const int len = decimal(digits, sizeof digits, n);
  char padded[24];
  const int zeros = std::max(0, width - len);
  std::memset(padded, '0', static_cast<std::size_t>(zeros));
  std::memcpy(padded + zeros, digits, static_cast<std::size_t>(len));
  const int total = zeros + len;
  return commit(place, padded + (total - width), static_cast<std::size_t>(width));
}

const char* realText(double x) {
  char* place = placeFor(21);
  char text[400];  // "%f" of the largest double needs 317 characters
  const int len = std::snprintf(text, sizeof text, "%f", x);
  return commit(place, text, static_cast<std::size_t>(std::clamp(len, 0, 20)));
}

const char* charText(char c) {
  char* place = placeFor(3);
  return commit(place, &c, c == '\0' ? 0 : 1);
}

}  // namespace qiro
