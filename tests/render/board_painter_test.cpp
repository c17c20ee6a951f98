// Tests of the board painter, read back from the pixels of an off-screen page.
#include "render/board_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "game/number_set.h"
#include "hexagon/shape.h"
#include "paint_fixture.h"
#include "render/palette.h"

namespace qiro {
namespace {

using BoardPaint = PaintFixture;

constexpr unsigned kBlack = 0x000000;

struct Bounds {
  int left = 1 << 20;
  int top = 1 << 20;
  int right = -(1 << 20);
  int bottom = -(1 << 20);
};

Bounds boundsOf(const std::vector<Point>& points) {
  Bounds b;
  for (const Point& p : points) {
    b.left = std::min(b.left, p.x);
    b.right = std::max(b.right, p.x);
    b.top = std::min(b.top, p.y);
    b.bottom = std::max(b.bottom, p.y);
  }
  return b;
}

// Pixels of one colour in a row or column, through a board point.
int runThrough(const Layer& layer, Point p, bool vertical) {
  const int x = kOrigin + p.x;
  const int y = kOrigin - p.y;
  const unsigned colour = layer.pixel(x, y);
  int run = 1;
  for (const int step : {-1, 1}) {
    for (int i = step; layer.pixel(x + (vertical ? 0 : i), y + (vertical ? i : 0)) == colour;
         i += step)
      ++run;
  }
  return run;
}

Point centreOf(const Grid& grid, int c) {
  return {grid.cellX(c), grid.cellY(c)};
}

TEST_F(BoardPaint, BackgroundFillsEveryCellTriangleAndOutlinesItInBlue) {
  load("X");
  const Layer page = paint(kBackground);
  const DisplayPalette& palette = displayPalette();
  const HexShape& shape = grid.hexagonShapeOf().shape;
  for (int c = 1; c <= grid.cellCount(); ++c) {
    EXPECT_EQ(at(page, centreOf(grid, c)), palette.cellFill) << "cell " << c;
    // The side from the own hexagon's centre along direction A.
    const std::array<Point, 4> triangle = cellTriangle(shape, grid.cellList().item(c));
    const Point side = {(triangle[0].x + triangle[1].x) / 2, triangle[0].y};
    EXPECT_EQ(at(page, side), palette.cellOutline) << "cell " << c;
    EXPECT_EQ(runThrough(page, side, true), 1) << "cell " << c;
  }
  EXPECT_EQ(at(page, {0, 80}), kWhite);
  EXPECT_EQ(at(page, {100, 0}), kWhite);
}

TEST_F(BoardPaint, HoleTrianglesAreFilledInTheHoleColour) {
  // A ring of twelve hexagons round the origin encloses the origin hexagon's corners.
  load("XAA,XAB,XBB,XBC,XCC,XCD,XDD,XDE,XEE,XEF,XFF,XFA", 40);
  ASSERT_EQ(grid.holeList().count(), 6);
  const Layer page = paint(kBackground);
  const HexShape& shape = grid.hexagonShapeOf().shape;
  for (const Text& hole : grid.holeList())
    EXPECT_EQ(at(page, cellPosition(shape, hole)), displayPalette().hole) << hole.view();
  EXPECT_EQ(at(page, centreOf(grid, 1)), displayPalette().cellFill);
}

TEST_F(BoardPaint, GivenNumberIsBlackAndPlacedNumberMagenta) {
  load("X");
  grid.setCellValue(1, 4);
  grid.cellRecord(1)->given = true;
  grid.setCellValue(2, 4);
  const Layer page = paint(kBackground | kContent);
  const DisplayPalette& palette = displayPalette();
  EXPECT_GT(countNear(page, centreOf(grid, 1), 8, palette.given), 0);
  EXPECT_EQ(countNear(page, centreOf(grid, 1), 8, palette.player), 0);
  EXPECT_GT(countNear(page, centreOf(grid, 2), 8, palette.player), 0);
  EXPECT_EQ(countNear(page, centreOf(grid, 2), 8, palette.given), 0);
  EXPECT_EQ(countNear(page, centreOf(grid, 3), 8, palette.player), 0) << "an empty cell";
}

// The ink a grid change adds to the content pass.
class MarkPaint : public PaintFixture {
 protected:
  void SetUp() override {
    load("X");
    blank = paint(kContent);
  }
  std::vector<Point> inkOfMarks(int c, NumberSet marks) {
    grid.setMarks(c, marks);
    const Layer page = paint(kContent);
    grid.setMarks(c, 0);
    return changed(blank, page);
  }
  Layer blank{1, 1};
};

TEST_F(MarkPaint, EachMarkIsCentredOnItsPositionAndRaisedByTheLift) {
  const BoardSizes sizes = board.sizes();
  for (const int c : {1, 2}) {  // a corner of each kind
    for (int k = 1; k <= kHighestNumber; ++k) {
      const std::vector<Point> ink = inkOfMarks(c, singleNumberSet(k));
      ASSERT_FALSE(ink.empty()) << "cell " << c << " mark " << k;
      const Bounds b = boundsOf(ink);
      const Point mark = grid.markPosition(c, k);
      const int top = deviceY(mark.y + sizes.markLift);
      EXPECT_NEAR((b.left + b.right) / 2.0, deviceX(mark.x), 2.0) << "cell " << c << " mark " << k;
      EXPECT_GE(b.top, top) << "cell " << c << " mark " << k;
      EXPECT_LT(b.bottom, top + sizes.markHeight) << "cell " << c << " mark " << k;
    }
  }
}

TEST_F(MarkPaint, MarksOneThreeAndSixAreThoseThreeMarksInBlue) {
  std::vector<Point> expected;
  for (const int k : {1, 3, 6}) {
    const std::vector<Point> ink = inkOfMarks(1, singleNumberSet(k));
    expected.insert(expected.end(), ink.begin(), ink.end());
  }
  std::sort(expected.begin(), expected.end(),
            [](Point a, Point b) { return std::pair(a.y, a.x) < std::pair(b.y, b.x); });
  expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
  grid.setMarks(1, singleNumberSet(1) | singleNumberSet(3) | singleNumberSet(6));
  const Layer page = paint(kContent);
  EXPECT_EQ(changed(blank, page), expected);
  for (const Point& p : expected)
    EXPECT_EQ(page.pixel(p.x, p.y), kMarkColour);
}

TEST_F(MarkPaint, NoMarksOnAFilledCellWithTheLinkDisplayOrOnTheRulesPages) {
  struct Case {
    const char* what;
    int value;
    bool linkDisplay;
    bool rulesScreen;
  };
  const Case cases[] = {
      {"filled cell", 3, false, false},
      {"link display", 0, true, false},
      {"rules pages", 0, false, true},
  };
  for (const Case& c : cases) {
    grid.setCellValue(1, c.value);
    state.linkDisplay = c.linkDisplay;
    state.rulesScreen = c.rulesScreen;
    const Layer without = paint(kContent);
    grid.setMarks(1, kAllNumbers);
    EXPECT_TRUE(samePage(paint(kContent), without)) << "marks drawn: " << c.what;
    grid.setMarks(1, 0);
  }
}

TEST_F(BoardPaint, OuterBorderIsTwelvePixelsWideAndInnerLinesOneAtZoom70) {
  load("X");
  const Layer page = paint(kContent);
  const unsigned border = displayPalette().border;
  // The outer border runs through the centres of the neighbours, 61 pixels above and
  // below; the inner lines join opposite neighbours through the centre.
  for (const Point p : {Point{0, 61}, Point{0, -61}}) {
    EXPECT_EQ(at(page, p), border);
    EXPECT_EQ(runThrough(page, p, true), 12);
  }
  EXPECT_EQ(at(page, {-50, 0}), border);
  EXPECT_EQ(runThrough(page, {-50, 0}, true), 1);
  EXPECT_GT(countNear(page, {0, 0}, 2, kBlack), 0) << "the hexagon's centre dot";
}

TEST_F(BoardPaint, LinkDisplayJoinsEveryPeerPairAndCirclesEachCell) {
  // Two hexagons too far apart for a cell of one to be a peer of a cell of the other.
  load("X,XAAA", 40);
  state.linkDisplay = true;
  const Layer page = paint(kContent);
  // A point a quarter or three quarters of the way from cell i to cell j.
  auto along = [&](int i, int j, int quarters) {
    return Point{(grid.cellX(i) * (4 - quarters) + grid.cellX(j) * quarters) / 4,
                 (grid.cellY(i) * (4 - quarters) + grid.cellY(j) * quarters) / 4};
  };
  int pairs = 0;
  for (int i = 1; i <= grid.cellCount(); ++i) {
    for (int k = 0; k < kMaxPeers && grid.peer(i, k) != 0; ++k) {
      const int j = grid.peer(i, k);
      EXPECT_GT(countNear(page, along(i, j, 1), 1, kLinkColour), 0) << i << " to " << j;
      EXPECT_GT(countNear(page, along(i, j, 3), 1, kLinkColour), 0) << i << " to " << j;
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 2 * 2 * 15) << "each cell of a lone hexagon has five peers";
  // Between the two hexagons no line at all: neither to a cell of the other hexagon nor,
  // from an empty peer slot, to the origin.
  for (int y = -60; y <= 60; ++y)
    EXPECT_NE(at(page, {60, y}), kLinkColour) << y;
  // Above the topmost cell nothing but its circle, of radius 4.
  int top = 1;
  for (int c = 2; c <= grid.cellCount(); ++c) {
    if (grid.cellY(c) > grid.cellY(top)) top = c;
  }
  const Point centre = centreOf(grid, top);
  for (int up = 0; up <= 4; ++up)
    EXPECT_EQ(at(page, {centre.x, centre.y + up}), kLinkColour) << up;
  EXPECT_NE(at(page, {centre.x, centre.y + 5}), kLinkColour);
}

class SelectionPaint : public PaintFixture {
 protected:
  void SetUp() override { load("X,XA,XB"); }
  int touching(const char* label) const { return grid.touchingList().find(label); }
};

TEST_F(SelectionPaint, EachEntryHasItsColourWithRedOnTop) {
  const HexagonSelection selection{touching(""), touching("A"), touching("B")};
  ASSERT_GT(selection.oldest * selection.previous * selection.newest, 0);
  const Layer page = paint(0, selection);
  // Outlines pass through the neighbouring centres; where two meet the newer one shows.
  EXPECT_EQ(at(page, {-70, 0}), kSelectionOldest);     // the origin's alone
  EXPECT_EQ(at(page, {140, 0}), kSelectionPrevious);   // A's alone
  EXPECT_EQ(at(page, {70, 122}), kSelectionNewest);    // B's alone
  EXPECT_EQ(at(page, {35, -61}), kSelectionPrevious);  // origin's and A's
  EXPECT_EQ(at(page, {70, 0}), kSelectionNewest);      // origin's and B's
  EXPECT_EQ(at(page, {0, 0}), kSelectionNewest);       // A's and B's
}

TEST_F(SelectionPaint, OneHexagonSelectedThreeTimesShowsOnlyRed) {
  const int h = touching("A");
  const Layer page = paint(0, {h, h, h});
  int red = 0;
  for (int y = 0; y < kPage; ++y) {
    for (int x = 0; x < kPage; ++x) {
      const unsigned colour = page.pixel(x, y);
      EXPECT_TRUE(colour == kWhite || colour == kSelectionNewest) << x << "," << y;
      if (colour == kSelectionNewest) ++red;
    }
  }
  EXPECT_GT(red, 0);
}

TEST_F(SelectionPaint, AnIndexThatNamesNoTouchingHexagonDrawsNothing) {
  const Layer blank = paint(0);
  for (const int index : {0, -1, grid.touchingCount() + 1, grid.allHexagonCount() + 50, 1 << 30})
    EXPECT_TRUE(samePage(paint(0, {0, 0, index}), blank)) << index;
  EXPECT_FALSE(samePage(paint(0, {0, 0, grid.touchingCount()}), blank));
}

TEST_F(BoardPaint, GridWithoutCellsDrawsOnlyThePanArrows) {
  load("");
  EXPECT_TRUE(samePage(paint(kBackground | kContent), Layer(kPage, kPage)));

  PanLayout layout;
  layout.extentLeft = layout.extentRight = layout.extentTop = layout.extentBottom = 100;
  layout.windowWidth = 400;
  layout.boardHeight = 400;
  layout.overflowX = 40;  // panned fully left: only the right-pointing arrow exists
  float offsetX = 0;
  float offsetY = 0;
  state.arrows = placePanArrows(layout, offsetX, offsetY);
  ASSERT_TRUE(state.arrows.right.exists && !state.arrows.left.exists);
  const Layer page = paint(kBackground | kContent);

  auto centroid = [](const PanArrow& arrow) {
    Point sum;
    for (const Point& p : arrow.triangle)
      sum = {sum.x + p.x, sum.y + p.y};
    return Point{sum.x / 3, sum.y / 3};
  };
  const Point right = centroid(state.arrows.right);
  const Point left = centroid(state.arrows.left);
  EXPECT_EQ(page.pixel(right.x, right.y), kArrowOnColour);
  EXPECT_EQ(page.pixel(left.x, left.y), displayPalette().arrowOff);
  for (int y = 0; y < kPage; ++y) {
    for (int x = 0; x < kPage; ++x) {
      const bool onArrow =
          state.arrows.right.bounds.contains(x, y) || state.arrows.left.bounds.contains(x, y);
      if (!onArrow) {
        EXPECT_EQ(page.pixel(x, y), kWhite) << x << "," << y;
      }
    }
  }
}

TEST_F(BoardPaint, EachPassDrawsFromTheBaseOriginAndPutsOriginAndBusyDepthBack) {
  load("X");
  grid.setCellValue(1, 4);
  const Layer expected = paint(kBackground | kContent);

  Layer page(kPage, kPage);
  {
    Canvas canvas(page);
    DrawingContext context;
    context.setResolution(96, 96);
    context.setBaseOrigin(kOrigin, kOrigin);
    context.setOriginMm(10, 10);  // somewhere else than the base origin
    context.setDevice(&canvas);
    const int originX = context.originX();
    const int originY = context.originY();
    state.busyDepth = 2;
    paintBoardBackground(board, context, state);
    EXPECT_EQ(state.busyDepth, 2);
    EXPECT_EQ(context.originX(), originX);
    EXPECT_EQ(context.originY(), originY);
    EXPECT_EQ(context.originStack().view(), "");
    paintBoardContent(board, context, state);
    EXPECT_EQ(state.busyDepth, 2);
    EXPECT_EQ(context.originX(), originX);
    EXPECT_EQ(context.originY(), originY);
    EXPECT_EQ(context.originStack().view(), "");
  }
  EXPECT_TRUE(samePage(page, expected));
}

}  // namespace
}  // namespace qiro
