// Tests of the drawing context's primitives: page coordinates with y up, drawn on a layer.
#include <gtest/gtest.h>

#include <array>

#include "ink.h"
#include "toolkit/drawing_context.h"

namespace qiro {
namespace {

// A 100 x 100 layer at 100 dots per inch, the origin in its middle.
class Primitives : public ::testing::Test {
 protected:
  Primitives() {
    dc.setResolution(100, 100);
    dc.setPageSize(100, 100);
    dc.setPrintableSize(100, 100);
    dc.centreOrigin();
    dc.setOriginMm(0, 0);
    dc.setDevice(&canvas);
    dc.setPen(1, kBlue);
    dc.setBrush(kYellow);
  }
  Ink drawn() const { return inkOf(layer, kWhite, false); }

  Layer layer{100, 100};
  Canvas canvas{layer};
  DrawingContext dc;
};

TEST_F(Primitives, LinesAndPolygonsStandOnTheOriginWithYUp) {
  dc.setPen(1, kRed);
  dc.line(0, 10, 20, 10);
  EXPECT_EQ(layer.pixel(50, 40), kRed);
  EXPECT_EQ(layer.pixel(70, 40), kRed);
  EXPECT_EQ(inkOf(layer, kRed).top, 40);

  const std::array<Point, 4> square = {{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
  dc.setPen(1, kBlue);
  dc.polygon(20, 5, square);
  const Ink polygon = inkOf(layer, kBlue);
  EXPECT_EQ(polygon.left, 70);
  EXPECT_EQ(polygon.right, 80);
  EXPECT_EQ(polygon.top, 35);
  EXPECT_EQ(polygon.bottom, 45);
  EXPECT_EQ(layer.pixel(75, 40), kYellow);
}

struct BoxCase {
  const char* what;
  int left, top, right, bottom;  // the drawn pixels, inclusive
};

TEST_F(Primitives, EllipsesRectanglesAndHexagonsFillTheirBoxes) {
  const auto check = [&](const BoxCase& c) {
    const Ink ink = drawn();
    EXPECT_EQ(ink.left, c.left) << c.what;
    EXPECT_EQ(ink.top, c.top) << c.what;
    EXPECT_EQ(ink.right, c.right) << c.what;
    EXPECT_EQ(ink.bottom, c.bottom) << c.what;
    EXPECT_EQ(layer.pixel(50, 50), c.left <= 50 && 50 <= c.right ? kYellow : kWhite) << c.what;
    canvas.fillRectangle(0, 0, 100, 100, kWhite);
  };
  dc.circle(0, 0, 4);
  check({"circle", 46, 46, 53, 53});
  dc.ellipse(10, -10, 6, 3);
  check({"ellipse", 54, 57, 65, 62});
  dc.rotatedRectangle(0, 0, 0, 20, 10);
  check({"rectangle", 40, 45, 60, 55});
  dc.rotatedRectangle(0, 0, 90, 20, 10);
  check({"rectangle at 90", 45, 40, 55, 60});
  dc.hexagon(0, 0, 0, 20);
  check({"hexagon", 30, 33, 70, 67});
  dc.hexagon(0, 0, 90, 20);
  check({"hexagon at 90", 33, 30, 67, 70});
}

TEST_F(Primitives, TextAtMillimetresHangsAroundItsPointByTheFontOffset) {
  FontHolder& font = currentFont();
  font.createWithOffset(20, 0, 0, false, 400, "Arial");
  font.setColour(kRed);
  dc.textAtMm(0, 0, "8", true);
  const Ink centred = inkOf(layer, kRed);
  EXPECT_LT(centred.left, 50);
  EXPECT_GT(centred.right, 50);
  EXPECT_GE(centred.top, 40);
  EXPECT_LT(centred.bottom, 60);

  canvas.fillRectangle(0, 0, 100, 100, kWhite);
  dc.setOriginMm(-10, 10);  // 39 pixels left and up
  dc.textAtMm(10, -10, "8", false);
  const Ink fromLeft = inkOf(layer, kRed);
  EXPECT_GE(fromLeft.left, 50);
  EXPECT_GE(fromLeft.top, 40);
  EXPECT_LT(fromLeft.bottom, 60);
}

TEST_F(Primitives, TheRegisteredMarkIsCentredOnItsPoint) {
  currentFont().setColour(kRed);
  dc.registeredMark(0, 0, 4);
  const FontSpec& font = currentFont().font();
  EXPECT_EQ(font.face, "Times New Roman");
  EXPECT_EQ(font.height, 31);  // 8 mm at 100 dots per inch
  EXPECT_EQ(font.width, 10);
  const Ink mark = inkOf(layer, kRed);
  EXPECT_GT(mark.count, 10);
  EXPECT_LT(mark.left, 50);
  EXPECT_GT(mark.right, 50);
  EXPECT_LT(mark.top, 50);
  EXPECT_GT(mark.bottom, 50);
}

TEST(DrawingContextDevice, DrawsNothingWithoutACanvasOrOnceItHasEnded) {
  DrawingContext dc;
  dc.line(0, 0, 10, 10);
  dc.setPen(2, kRed);
  dc.textAtMm(0, 0, "x", true);
  Layer layer(20, 20);
  {
    Canvas canvas(layer);
    dc.setDevice(&canvas);
    EXPECT_EQ(dc.device(), &canvas);
  }
  EXPECT_EQ(dc.device(), nullptr);
  dc.line(0, 0, 10, 10);
  dc.setBrush(kRed);
  EXPECT_EQ(inkOf(layer, kWhite, false).count, 0);
}

}  // namespace
}  // namespace qiro
