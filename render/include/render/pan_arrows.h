// The four pan arrows offered when the board does not fit on the screen: which exist, and
// where they lie in the window.
#pragma once

#include <array>

#include "text/numeric.h"

namespace qiro {

// Window pixels, y downward; bounds included.
struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool contains(int x, int y) const { return between(x, left, right) && between(y, top, bottom); }
  friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct PanArrow {
  bool exists = false;
  std::array<Point, 3> triangle{};  // window pixels
  WindowRect bounds;                // the hit area
};

struct PanArrows {
  PanArrow right;  // points right: shows more of the board's right side
  PanArrow left;
  PanArrow up;
  PanArrow down;
};

// What the window layout knows when it places the arrows (pixels).
struct PanLayout {
  int boardLeft = 80;
  int extentLeft = 0;  // the board's extent round its origin, all positive
  int extentRight = 0;
  int extentTop = 0;
  int extentBottom = 0;
  int windowWidth = 0;
  int boardHeight = 0;  // the window height the board asks for
  int overflowX = 0;    // how far the window exceeds the room on the screen, 0 if it fits
  int overflowY = 0;
  int hexagonSize = 40;
};

// Clamps the pan offsets (in hexagon sizes) to the room the overflow leaves, 0 without
// overflow, and answers the four arrows with their window geometry.
PanArrows placePanArrows(const PanLayout& layout, float& offsetX, float& offsetY);

}  // namespace qiro
