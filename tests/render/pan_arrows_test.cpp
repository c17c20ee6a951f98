// Tests of the pan arrows: which exist as the offsets move, and where they lie.
#include "render/pan_arrows.h"

#include <gtest/gtest.h>

namespace qiro {
namespace {

// A board 800 pixels wide at hexagon size 40 on a window that overflows by overflowX and
// overflowY.
PanLayout layoutWith(int overflowX, int overflowY) {
  PanLayout layout;
  layout.extentLeft = 400;
  layout.extentRight = 400;
  layout.extentTop = 300;
  layout.extentBottom = 300;
  layout.windowWidth = 80 + 800 + 8;
  layout.boardHeight = 600 + 30 + 4;
  layout.overflowX = overflowX;
  layout.overflowY = overflowY;
  layout.hexagonSize = 40;
  return layout;
}

TEST(BoardPanArrows, BoardThatFitsHasNoArrowsWhateverTheOffsets) {
  float offsetX = -3.5F;
  float offsetY = 2;
  const PanArrows arrows = placePanArrows(layoutWith(0, 0), offsetX, offsetY);
  EXPECT_EQ(offsetX, 0);
  EXPECT_EQ(offsetY, 0);
  for (const PanArrow* arrow : {&arrows.right, &arrows.left, &arrows.up, &arrows.down})
    EXPECT_FALSE(arrow->exists);
}

TEST(BoardPanArrows, OffsetsStopAtTheOverflow) {
  struct Step {
    float offsetX;
    float clampedX;
    bool left;
    bool right;
  };
  // An overflow of 2.5 hexagon sizes, panned left one hexagon at a time.
  const Step steps[] = {
      {0, 0, false, true},      {-1, -1, true, true}, {-2, -2, true, true},
      {-3, -2.5F, true, false}, {1, 0, false, true},
  };
  for (const Step& step : steps) {
    float offsetX = step.offsetX;
    float offsetY = 0;
    const PanArrows arrows = placePanArrows(layoutWith(100, 0), offsetX, offsetY);
    EXPECT_EQ(offsetX, step.clampedX) << step.offsetX;
    EXPECT_EQ(arrows.left.exists, step.left) << step.offsetX;
    EXPECT_EQ(arrows.right.exists, step.right) << step.offsetX;
    EXPECT_FALSE(arrows.up.exists || arrows.down.exists);
  }
  // Vertically the offset runs from 0 up to the overflow.
  for (const auto& [offset, clamped, up, down] :
       {std::tuple{-1.0F, 0.0F, false, true}, std::tuple{1.0F, 1.0F, true, true},
        std::tuple{9.0F, 2.5F, true, false}}) {
    float offsetX = 0;
    float offsetY = offset;
    const PanArrows arrows = placePanArrows(layoutWith(0, 100), offsetX, offsetY);
    EXPECT_EQ(offsetY, clamped) << offset;
    EXPECT_EQ(arrows.up.exists, up) << offset;
    EXPECT_EQ(arrows.down.exists, down) << offset;
  }
}

TEST(BoardPanArrows, ArrowsPointOutwardAtTheEdgesOfTheVisibleBoard) {
  float offsetX = 0;
  float offsetY = 0;
  const PanArrows arrows = placePanArrows(layoutWith(100, 40), offsetX, offsetY);
  // N = (888 + 634) / 40 = 38, half 19, quarter 9; the visible board is 700 x 560.
  const int cx = 80 + 350;
  const int cy = 280;
  const int rightX = 80 + 700 - 19;
  EXPECT_EQ(arrows.right.triangle,
            (std::array<Point, 3>{Point{rightX - 9, cy - 38}, Point{rightX - 9, cy + 38},
                                  Point{rightX + 9, cy}}));
  EXPECT_EQ(arrows.left.triangle[2], (Point{80 + 19 - 9, cy}));
  EXPECT_EQ(arrows.up.triangle[2], (Point{cx, 19 - 9}));
  EXPECT_EQ(arrows.down.triangle[2], (Point{cx, 560 - 19 + 9}));
  EXPECT_EQ(arrows.down.bounds, (WindowRect{cx - 38, 560 - 19 - 9, cx + 38, 560 - 19 + 9}));
  EXPECT_TRUE(arrows.right.bounds.contains(rightX + 9, cy + 38)) << "bounds included";
  EXPECT_FALSE(arrows.right.bounds.contains(rightX + 10, cy));
}

}  // namespace
}  // namespace qiro
