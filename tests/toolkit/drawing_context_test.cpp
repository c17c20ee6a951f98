// Tests of the drawing context's set-up, unit conversions and origin stack.
#include "toolkit/drawing_context.h"

#include <gtest/gtest.h>

namespace qiro {
namespace {

TEST(DrawingContext, StartsAsAnEmptyPageAt300DotsPerInch) {
  const DrawingContext dc;
  EXPECT_EQ(dc.zoom(), 1.0F);
  EXPECT_EQ(dc.resolutionX(), 300);
  EXPECT_EQ(dc.resolutionY(), 300);
  EXPECT_EQ(dc.device(), nullptr);
  EXPECT_TRUE(dc.label().isEmpty());
  EXPECT_TRUE(dc.originStack().isEmpty());
  EXPECT_FALSE(dc.labelled());
  EXPECT_FALSE(dc.bottomOrigin());
  EXPECT_EQ(dc.pageWidthPx(), 0);
  EXPECT_EQ(dc.originX(), 0);
}

struct MmCase {
  int dpi;
  float zoom;
  float mm;
  int px;
};

TEST(DrawingContext, ConvertsMillimetresToPixelsTruncated) {
  const MmCase cases[] = {
      {96, 1.0F, 12, 45},   // 45.35
      {96, 2.0F, 12, 90},   // 90.7
      {100, 1.0F, 12, 47},  // 47.24
      {100, 1.0F, 10, 39},  // 39.37
      {100, 1.0F, 5, 19},   // a rules-page line of size 5
      {100, 1.0F, 25.4F, 100},     {100, 1.0F, 12.7F, 50},
      {300, 1.0F, 25.4F, 300},  // exact inches
      {100, 1.0F, -10, -39},       {300, 1.0F, 0, 0},
      {300, 1000.0F, 1000, 32767},  // held within 16 bits
  };
  for (const MmCase& c : cases) {
    DrawingContext dc;
    dc.setResolution(c.dpi, c.dpi * 2);
    dc.setZoom(c.zoom);
    EXPECT_EQ(dc.mmToPixelsX(c.mm), c.px) << c.dpi << " " << c.zoom << " " << c.mm;
    dc.setResolution(c.dpi * 2, c.dpi);
    EXPECT_EQ(dc.mmToPixelsY(c.mm), c.px) << c.dpi << " " << c.zoom << " " << c.mm;
  }
  DrawingContext dc;
  dc.setResolution(100, 200);
  dc.setZoom(2.0F);
  EXPECT_FLOAT_EQ(dc.pixelsToMmX(100), 12.7F);
  EXPECT_FLOAT_EQ(dc.pixelsToMmY(100), 6.35F);
  dc.setZoom(0.0F);
  EXPECT_EQ(dc.pixelsToMmX(100), 0.0F);
}

TEST(DrawingContext, ConvertsPixelsAt600DotsPerInchRoundingHalvesUp) {
  DrawingContext dc;
  dc.setResolution(300, 300);
  const int cases[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {600, 300}, {-1, 0}, {-2, -1}, {-3, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(dc.from600(c[0]), c[1]) << c[0];
  dc.setResolution(100, 100);
  EXPECT_EQ(dc.from600(3), 1);
  EXPECT_EQ(dc.from600(9), 2);
  EXPECT_EQ(dc.from600(8), 1);
}

TEST(DrawingContext, OriginInMillimetresFromTheBaseWithYUp) {
  DrawingContext dc;
  dc.setResolution(100, 100);
  dc.setBaseOrigin(400, 300);
  dc.setOriginMm(10, 10);
  EXPECT_EQ(dc.originX(), 439);
  EXPECT_EQ(dc.originY(), 261);
  dc.setOriginMm(0, 0);
  EXPECT_EQ(dc.originX(), 400);
  EXPECT_EQ(dc.originY(), 300);
}

TEST(DrawingContext, PushedOriginsComeBackMostRecentFirst) {
  DrawingContext dc;
  dc.setResolution(100, 100);
  dc.setBaseOrigin(5, -7);
  dc.setOriginMm(0, 0);
  dc.pushOrigin();
  dc.setBaseOrigin(100, 200);
  dc.setOriginMm(0, 0);
  dc.pushOrigin();
  EXPECT_EQ(dc.originStack().view(), "100,200,5,-7,");
  dc.setOriginMm(50, 50);
  dc.popOrigin();
  EXPECT_EQ(dc.originX(), 100);
  EXPECT_EQ(dc.originY(), 200);
  EXPECT_EQ(dc.originStack().view(), "5,-7,");  // two pushes, one pop: the first stays
  dc.popOrigin();
  EXPECT_EQ(dc.originX(), 5);
  EXPECT_EQ(dc.originY(), -7);
  dc.popOrigin();  // nothing left: the origin stays
  EXPECT_EQ(dc.originX(), 5);
  EXPECT_EQ(dc.originY(), -7);
}

TEST(DrawingContext, PrintableAndUsableSizesAreClampedToThePage) {
  DrawingContext dc;
  dc.setResolution(100, 100);
  dc.setPageSize(800, 600);
  dc.setPrintableSize(1000, 500);
  EXPECT_EQ(dc.printableWidthPx(), 800);
  EXPECT_EQ(dc.printableHeightPx(), 500);
  EXPECT_EQ(dc.usableWidthPx(), 800);
  EXPECT_EQ(dc.usableHeightPx(), 500);
  EXPECT_EQ(dc.pageWidthMm(), 203);  // 203.2
  EXPECT_EQ(dc.pageHeightMm(), 152);
  EXPECT_EQ(dc.printableWidthMm(), 203);
  EXPECT_EQ(dc.printableHeightMm(), 127);
  EXPECT_EQ(dc.usableHeightMm(), 127);
  // An exact millimetre figure does not come out one short.
  dc.setResolution(127, 127);
  EXPECT_EQ(dc.pageWidthMm(), 160);
  // No resolution, no millimetres: the figures stay as they were.
  dc.setResolution(0, 100);
  dc.setPageSize(1000, 1000);
  EXPECT_EQ(dc.pageWidthMm(), 160);
}

TEST(DrawingContext, CentresTheBaseOriginFromTheTopOrForThatPrinterTheBottom) {
  DrawingContext dc;
  dc.setResolution(100, 100);
  dc.setPageSize(800, 600);
  dc.setPrintableSize(701, 501);
  dc.setLabel("ecran");
  EXPECT_TRUE(dc.labelled());
  EXPECT_EQ(dc.baseOriginX(), 0);  // a plain label moves nothing
  dc.centreOrigin();
  EXPECT_EQ(dc.baseOriginX(), 350);
  EXPECT_EQ(dc.baseOriginY(), 250);
  dc.setLabel("PDFCreator");
  EXPECT_TRUE(dc.bottomOrigin());
  EXPECT_EQ(dc.baseOriginX(), 350);
  EXPECT_EQ(dc.baseOriginY(), 350);
}

TEST(DrawingContext, CopiesThePageButNotTheCurrentOrigin) {
  DrawingContext screen;
  screen.setResolution(96, 120);
  screen.setPageSize(800, 600);
  screen.setPrintableSize(640, 480);
  screen.setLabel("ecran");
  screen.setBaseOrigin(10, 20);
  screen.setZoom(1.5F);
  screen.setOriginMm(10, 10);
  screen.pushOrigin();

  DrawingContext copy;
  copy.copyFrom(screen);
  EXPECT_EQ(copy.label().view(), "ecran");
  EXPECT_TRUE(copy.labelled());
  EXPECT_EQ(copy.resolutionY(), 120);
  EXPECT_EQ(copy.baseOriginY(), 20);
  EXPECT_EQ(copy.pageHeightMm(), screen.pageHeightMm());
  EXPECT_EQ(copy.printableWidthMm(), screen.printableWidthMm());
  EXPECT_EQ(copy.usableWidthPx(), 640);
  EXPECT_EQ(copy.usableHeightMm(), screen.usableHeightMm());
  EXPECT_EQ(copy.zoom(), 1.5F);
  EXPECT_EQ(copy.originX(), 0);
  EXPECT_TRUE(copy.originStack().isEmpty());
}

}  // namespace
}  // namespace qiro
