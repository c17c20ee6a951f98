// Tests of the pen, brush, font and bitmap holders and the shared ones.
#include "toolkit/holders.h"

#include <gtest/gtest.h>

#include "ink.h"
#include "toolkit/drawing_context.h"
#include "toolkit/page_bitmaps.h"

namespace qiro {
namespace {

TEST(SharedHolders, ANewPenOrBrushReplacesTheOldAndReleasePutsBackTheCanvasOwn) {
  Layer layer(10, 10);
  Canvas canvas(layer);
  const PenSpec ownPen = canvas.pen();
  const BrushSpec ownBrush = canvas.brush();
  DrawingContext dc;
  dc.setResolution(100, 100);
  dc.setDevice(&canvas);

  dc.setPen(3, kRed);
  EXPECT_EQ(canvas.pen(), (PenSpec{3, kRed}));
  dc.setPenMm(1.0F, kBlue);  // 3.9 pixels
  EXPECT_EQ(canvas.pen(), (PenSpec{3, kBlue}));
  EXPECT_EQ(currentPen().pen(), (PenSpec{3, kBlue}));
  currentPen().release();
  EXPECT_EQ(canvas.pen(), ownPen);
  EXPECT_FALSE(currentPen().selected());

  dc.setHollowBrush();
  EXPECT_TRUE(canvas.brush().hollow);
  EXPECT_FALSE(currentBrush().owned());
  dc.setBrush(kYellow);
  EXPECT_EQ(canvas.brush(), (BrushSpec{kYellow}));
  EXPECT_TRUE(currentBrush().owned());
  currentBrush().release();
  EXPECT_EQ(canvas.brush(), ownBrush);
}

TEST(SharedHolders, OutliveTheCanvasesOfEachPaint) {
  DrawingContext dc;
  for (int paint = 0; paint < 2; ++paint) {
    Layer layer(10, 10);
    Canvas canvas(layer);
    dc.setDevice(&canvas);
    dc.setPen(1, kRed);
    dc.setBrush(kYellow);
    currentFont().select(canvas);
    EXPECT_TRUE(currentPen().selected());
    dc.line(0, -5, 9, -5);  // y up from the corner
    EXPECT_EQ(layer.pixel(3, 5), kRed);
  }
  // The last canvas has ended: the holders let go of it without touching it.
  EXPECT_FALSE(currentPen().selected());
  EXPECT_FALSE(currentBrush().selected());
  currentPen().release();
  currentBrush().release();
  currentFont().release();
}

struct OffsetCase {
  int height, escapement, x, y;
};

TEST(FontHolder, TheTextOffsetLiftsHalfTheHeightAndTurnsWithTheText) {
  const OffsetCase cases[] = {
      {20, 0, 0, 10},    {21, 0, 0, 10},     {20, 450, -8, 8},  // (0, 12) turned by 45
      {20, 900, -10, 0}, {20, 1800, 0, -10}, {20, -450, 8, 8},
      {40, 150, -6, 23},  // (0, 24) turned by 15
  };
  for (const OffsetCase& c : cases) {
    FontHolder font;
    font.createWithOffset(c.height, 0, c.escapement, false, 400, "Arial");
    EXPECT_EQ(font.offsetX(), c.x) << c.height << " " << c.escapement;
    EXPECT_EQ(font.offsetY(), c.y) << c.height << " " << c.escapement;
    font.create(c.height, 0, c.escapement, false, 400, "Arial");
    EXPECT_EQ(font.offsetX(), 0);
    EXPECT_EQ(font.offsetY(), 0);
  }
}

TEST(FontHolder, DrawsOpaqueUntilAColourIsSetAndPutsBackTheCanvasFont) {
  Layer layer(60, 30, kBlue);
  Canvas canvas(layer);
  const FontSpec own = canvas.font();
  FontHolder font;
  font.create(20, 0, 0, false, 700, "Arial");
  font.textOut(0, 0, "nothing selected");
  EXPECT_EQ(inkOf(layer, kBlue, false).count, 0);

  font.select(canvas);
  EXPECT_EQ(canvas.font().weight, 700);
  font.textOut(2, 2, "Ab");
  EXPECT_GT(inkOf(layer, kWhite).count, 0);  // the default: black on an opaque white box
  font.setColour(kRed);
  EXPECT_FALSE(font.opaque());
  font.textOut(2, 2, "Ab");
  EXPECT_GT(inkOf(layer, kRed).count, 0);
  font.release();
  EXPECT_EQ(canvas.font(), own);
}

constexpr int kTestBitmap = 90;  // 4 x 4: red, green above; blue, yellow below

TEST(BitmapHolder, LoadsOnceAndStretchesTheWholePictureOntoTheRequestedSize) {
  BitmapHolder holder;
  ASSERT_TRUE(holder.load(kTestBitmap));
  EXPECT_TRUE(holder.loaded());
  EXPECT_EQ(holder.width(), 4);
  Layer layer(20, 20, kWhite);
  Canvas canvas(layer);
  for (int visit = 0; visit < 2; ++visit) {
    EXPECT_TRUE(holder.stretchBlit(canvas, 1, 1, 8, 6));
  }
  const Ink picture = inkOf(layer, kWhite, false);
  EXPECT_EQ(picture.count, 48);
  EXPECT_EQ(picture.left, 1);
  EXPECT_EQ(picture.bottom, 6);
  EXPECT_EQ(layer.pixel(1, 1), kRed);
  EXPECT_EQ(layer.pixel(8, 6), kYellow);
  EXPECT_TRUE(holder.stretchBlit(canvas, 10, 10, 4, 4, 0, 2, 2, 2));
  EXPECT_EQ(layer.pixel(13, 13), kBlue);
  holder.release();
  EXPECT_FALSE(holder.loaded());
  EXPECT_EQ(holder.width(), 0);
}

TEST(BitmapHolder, AMissingResourceLeavesTheHolderUnloadedAndTheCopyFails) {
  BitmapHolder holder;
  ASSERT_TRUE(holder.load(kTestBitmap));
  EXPECT_FALSE(holder.load(91));  // what it held is released first
  EXPECT_FALSE(holder.loaded());
  EXPECT_EQ(holder.width(), 0);
  EXPECT_EQ(holder.height(), 0);
  Layer layer(10, 10, kWhite);
  Canvas canvas(layer);
  EXPECT_FALSE(holder.stretchBlit(canvas, 0, 0, 10, 10));
  EXPECT_EQ(inkOf(layer, kWhite, false).count, 0);
}

// This test program carries no page pictures: each visit of a page tries its picture again.
TEST(PageBitmaps, APictureThatFailedIsTriedAgainAtTheNextVisit) {
  Layer layer(10, 10, kWhite);
  Canvas canvas(layer);
  const int before = pageBitmapLoads();
  EXPECT_FALSE(drawPageBitmap(canvas, 3, 0, 0, 10, 10));
  EXPECT_FALSE(drawPageBitmap(canvas, 3, 0, 0, 10, 10));
  EXPECT_EQ(pageBitmapLoads(), before + 2);
  // Numbers that name no page are not even tried.
  EXPECT_FALSE(drawPageBitmap(canvas, 0, 0, 0, 10, 10));
  EXPECT_FALSE(drawPageBitmap(canvas, 10, 0, 0, 10, 10));
  EXPECT_EQ(pageBitmapLoads(), before + 2);
  EXPECT_EQ(inkOf(layer, kWhite, false).count, 0);
}

}  // namespace
}  // namespace qiro
