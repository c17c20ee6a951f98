// Tests of bitmaps from the program's resources and their scaled copies.
#include <gtest/gtest.h>

#include "ink.h"
#include "platform/canvas.h"

namespace qiro {
namespace {

// Resource 90 is 4 x 4 pixels: red and green above, blue and yellow below.
constexpr int kTestBitmap = 90;

TEST(Bitmap, LoadsAResourceByNumberAndAnswersNullForAMissingOne) {
  const auto bitmap = Bitmap::load(kTestBitmap);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->width(), 4);
  EXPECT_EQ(bitmap->height(), 4);
  EXPECT_EQ(Bitmap::load(91), nullptr);
  EXPECT_EQ(Bitmap::load(-1), nullptr);
}

TEST(Bitmap, StretchesOntoExactlyTheDestinationRectangle) {
  const auto bitmap = Bitmap::load(kTestBitmap);
  ASSERT_NE(bitmap, nullptr);
  Layer layer(30, 20, kGray);
  {
    Canvas canvas(layer);
    ASSERT_TRUE(canvas.stretchBlit(*bitmap, 5, 3, 10, 6, 0, 0, 4, 4));
  }
  EXPECT_EQ(inkOf(layer, kGray, false).count, 60);
  EXPECT_EQ(layer.pixel(5, 3), kRed);
  EXPECT_EQ(layer.pixel(14, 3), kGreen);
  EXPECT_EQ(layer.pixel(5, 8), kBlue);
  EXPECT_EQ(layer.pixel(14, 8), kYellow);
  const Ink red = inkOf(layer, kRed);
  EXPECT_EQ(red.right - red.left + 1, 5);
  EXPECT_EQ(red.bottom - red.top + 1, 3);
}

TEST(Bitmap, CopiesAPartOfThePictureAndRefusesAnEmptyCopy) {
  const auto bitmap = Bitmap::load(kTestBitmap);
  ASSERT_NE(bitmap, nullptr);
  Layer layer(10, 10, kGray);
  Canvas canvas(layer);
  EXPECT_TRUE(canvas.stretchBlit(*bitmap, 0, 0, 6, 6, 2, 2, 2, 2));
  EXPECT_EQ(inkOf(layer, kYellow).count, 36);
  EXPECT_FALSE(canvas.stretchBlit(*bitmap, 0, 0, 0, 6, 0, 0, 4, 4));
  EXPECT_FALSE(canvas.stretchBlit(*bitmap, 0, 0, 6, 6, 8, 8, 2, 2));
  EXPECT_EQ(inkOf(layer, kYellow).count, 36);
}

TEST(CanvasLink, ForgetsACanvasThatHasEnded) {
  Layer layer(2, 2);
  CanvasLink link;
  EXPECT_EQ(link.get(), nullptr);
  {
    Canvas canvas(layer);
    link = CanvasLink(&canvas);
    EXPECT_EQ(link.get(), &canvas);
  }
  EXPECT_EQ(link.get(), nullptr);
}

}  // namespace
}  // namespace qiro
