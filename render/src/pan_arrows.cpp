// The pan arrows: clamping the pan offsets and the arrows' window geometry.
#include "render/pan_arrows.h"

#include <algorithm>

namespace qiro {

namespace {

// The arrow pointing along +x (sign 1) or -x (sign -1) with its tip at x0 + sign * q.
PanArrow horizontalArrow(int x0, int cy, int n, int q, int sign) {
  PanArrow arrow;
  arrow.triangle = {Point{x0 - sign * q, cy - n}, Point{x0 - sign * q, cy + n},
                    Point{x0 + sign * q, cy}};
  arrow.bounds = {x0 - q, cy - n, x0 + q, cy + n};
  return arrow;
}

// The arrow pointing up (sign -1, window y downward) or down (sign 1).
PanArrow verticalArrow(int cx, int y0, int n, int q, int sign) {
  PanArrow arrow;
  arrow.triangle = {Point{cx + n, y0 - sign * q}, Point{cx - n, y0 - sign * q},
                    Point{cx, y0 + sign * q}};
  arrow.bounds = {cx - n, y0 - q, cx + n, y0 + q};
  return arrow;
}

}  // namespace

PanArrows placePanArrows(const PanLayout& layout, float& offsetX, float& offsetY) {
  // A hexagon size of 0 would divide by zero; no real board has one.
  const float size = static_cast<float>(std::max(1, layout.hexagonSize));
  const int n = (layout.windowWidth + layout.boardHeight) / 40;
  const int h = n / 2;
  const int q = n / 4;
  const int cx = layout.boardLeft + (layout.extentLeft + layout.extentRight - layout.overflowX) / 2;
  const int cy = (layout.extentTop + layout.extentBottom - layout.overflowY) / 2;

  const int rightX0 =
      layout.boardLeft + layout.extentLeft + layout.extentRight - layout.overflowX - h;
  PanArrows arrows{
      .right = horizontalArrow(rightX0, cy, n, q, 1),
      .left = horizontalArrow(layout.boardLeft + h, cy, n, q, -1),
      .up = verticalArrow(cx, h, n, q, -1),
      .down =
          verticalArrow(cx, layout.extentTop + layout.extentBottom - layout.overflowY - h, n, q, 1),
  };

  if (layout.overflowX <= 0) {
    offsetX = 0;
  } else {
    const float least = -(static_cast<float>(layout.overflowX) / size);
    offsetX = std::clamp(offsetX, least, 0.0F);
    arrows.left.exists = offsetX < 0;
    arrows.right.exists = offsetX > least;
  }
  if (layout.overflowY <= 0) {
    offsetY = 0;
  } else {
    const float most = static_cast<float>(layout.overflowY) / size;
    offsetY = std::clamp(offsetY, 0.0F, most);
    arrows.up.exists = offsetY > 0;
    arrows.down.exists = offsetY < most;
  }
  return arrows;
}

}  // namespace qiro
