// Tests of the page pictures as the programs carry them: resources 1 to 9, read back pixel
// by pixel where the rules pages write their texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "content/rules_pages.h"
#include "ink.h"
#include "platform/canvas.h"

namespace qiro {
namespace {

constexpr unsigned kCyan = 0xFFFF00;
constexpr unsigned kPink = 0xCC99FF;

// Picture id at its own size, as plain pixels; an empty layer when it does not load.
Layer pixelsOf(int id) {
  const auto bitmap = Bitmap::load(id);
  if (bitmap == nullptr) return Layer(0, 0);
  Layer layer(bitmap->width(), bitmap->height());
  {
    Canvas canvas(layer);
    canvas.stretchBlit(*bitmap, 0, 0, layer.width(), layer.height(), 0, 0, layer.width(),
                       layer.height());
  }
  return layer;
}

// A rectangle of the 800 x 600 page and the one colour it must have in the picture.
struct PlainArea {
  int left;
  int top;
  int right;  // not included
  int bottom;
  unsigned colour;
};

// The pixels of the area that are not its colour.
int strayPixels(const Layer& picture, const PlainArea& area) {
  int stray = 0;
  for (int y = area.top * picture.height() / kRulesPageHeight;
       y < area.bottom * picture.height() / kRulesPageHeight; ++y) {
    for (int x = area.left * picture.width() / kRulesPageWidth;
         x < area.right * picture.width() / kRulesPageWidth; ++x) {
      stray += picture.pixel(x, y) == area.colour ? 0 : 1;
    }
  }
  return stray;
}

// The longest vertical run of black pixels: the strokes of a number are long, the black
// rim of a hexagon's centre dot is a few pixels.
int longestBlackRun(const Layer& picture) {
  int longest = 0;
  for (int x = 0; x < picture.width(); ++x) {
    int run = 0;
    for (int y = 0; y < picture.height(); ++y) {
      run = picture.pixel(x, y) == kBlack ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

TEST(PagePictures, AllNineLoadInTheShapeOfThePage) {
  for (int id = 1; id <= 9; ++id) {
    const auto bitmap = Bitmap::load(id);
    ASSERT_NE(bitmap, nullptr) << id;
    EXPECT_EQ(bitmap->width() * 3, bitmap->height() * 4) << id;
    EXPECT_GE(bitmap->width(), kRulesPageWidth) << id;
  }
  EXPECT_EQ(Bitmap::load(10), nullptr);
}

TEST(PagePictures, LeaveTheTextsOfEachPagePlainColour) {
  struct Case {
    int id;
    std::vector<PlainArea> areas;
  };
  // The cover: the cover lines on the pink band, the title, and the footer on cyan.
  const std::vector<PlainArea> cover = {
      {0, 0, 800, 150, kPink}, {300, 160, 760, 310, kCyan}, {0, 565, 400, 600, kCyan}};
  // The title on the cyan band; the texts on the right, caption and footer below.
  const auto rules = [](int textLeft) {
    return std::vector<PlainArea>{
        {0, 0, 800, 110, kCyan}, {textLeft, 110, 800, 600, kGray}, {0, 540, 800, 600, kGray}};
  };
  const Case cases[] = {{1, cover},      {2, rules(360)}, {3, rules(360)},
                        {4, rules(360)}, {5, rules(360)}, {6, rules(430)},
                        {7, rules(430)}, {8, rules(430)}, {9, rules(430)}};
  for (const Case& test : cases) {
    const Layer picture = pixelsOf(test.id);
    ASSERT_GT(picture.width(), 0) << test.id;
    for (const PlainArea& area : test.areas)
      EXPECT_EQ(strayPixels(picture, area), 0) << test.id << " at " << area.left << "," << area.top;
  }
}

TEST(PagePictures, PageFiveShowsItsBoardsWithoutNumbers) {
  constexpr int kNumberStroke = 12;
  for (int id = 1; id <= 9; ++id) {
    const int run = longestBlackRun(pixelsOf(id));
    if (id == 5) {
      EXPECT_LT(run, kNumberStroke);
    } else {
      EXPECT_GE(run, kNumberStroke) << id;
    }
  }
}

}  // namespace
}  // namespace qiro
