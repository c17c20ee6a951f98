// Reading drawings back: where the pixels of one colour lie on a layer.
#pragma once

#include <algorithm>
#include <climits>

#include "platform/canvas.h"

namespace qiro {

// Colours the drawing tests use, as 0x00BBGGRR values.
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kRed = 0x0000FF;
constexpr unsigned kGreen = 0x00FF00;
constexpr unsigned kBlue = 0xFF0000;
constexpr unsigned kYellow = 0x00FFFF;
constexpr unsigned kGray = 0xCCCCCC;

struct Ink {
  int count = 0;
  int left = INT_MAX;
  int top = INT_MAX;
  int right = INT_MIN;  // inclusive
  int bottom = INT_MIN;
};

// The pixels of the colour (or, with matching false, of every other colour).
inline Ink inkOf(const Layer& layer, unsigned int colour, bool matching = true) {
  Ink ink;
  for (int y = 0; y < layer.height(); ++y) {
    for (int x = 0; x < layer.width(); ++x) {
      if ((layer.pixel(x, y) == colour) != matching) continue;
      ++ink.count;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

}  // namespace qiro
