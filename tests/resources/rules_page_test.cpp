// Tests of a rules page as the rules screen shows it, over the program's own pictures.
#include <gtest/gtest.h>

#include "content/rules_pages.h"
#include "ink.h"
#include "platform/app.h"
#include "toolkit/page_bitmaps.h"

namespace qiro {
namespace {

constexpr unsigned kCyan = 0xFFFF00;

TEST(RulesPage, EachPictureIsLoadedOnceAcrossVisits) {
  ensureApplication();
  Layer layer(kRulesPageWidth, kRulesPageHeight);
  Canvas canvas(layer);
  DrawingContext page;
  page.setUpScreenPage(100, kRulesPageWidth, kRulesPageHeight, 400, 300, &canvas);
  const int before = pageBitmapLoads();
  for (const int n : {3, 4, 3})
    drawRulesPage(page, n, Language::kFrench);
  EXPECT_EQ(pageBitmapLoads(), before + 2);
  // The picture of page 3 is gray under its cyan band; the fill alone would be cyan.
  EXPECT_EQ(layer.pixel(5, 590), kGray);
}

// The pictures are 1200 x 900; the page takes them at exactly 800 x 600.
TEST(RulesPage, APictureCoversExactlyThePage) {
  ensureApplication();
  Layer layer(900, 700, kWhite);
  Canvas canvas(layer);
  ASSERT_TRUE(drawPageBitmap(canvas, 2, 0, 0, kRulesPageWidth, kRulesPageHeight));
  EXPECT_EQ(layer.pixel(0, 0), kCyan);
  EXPECT_EQ(layer.pixel(799, 599), kGray);
  EXPECT_EQ(layer.pixel(800, 599), kWhite);
  EXPECT_EQ(layer.pixel(799, 600), kWhite);
}

}  // namespace
}  // namespace qiro
