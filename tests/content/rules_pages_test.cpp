// Tests of the rules pages: where each text stands, the fonts asked for, and the page as the
// rules screen shows it.
#include "content/rules_pages.h"

#include <gtest/gtest.h>

#include <vector>

#include "ink.h"
#include "platform/app.h"

namespace qiro {
namespace {

constexpr unsigned kCyan = 0xFFFF00;

// A page of 800 x 600 pixels at 100 dots per inch with its origin at the centre, as the
// rules screen sets it up.
class PageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApplication();
    context_.setUpScreenPage(100, kRulesPageWidth, kRulesPageHeight, kRulesPageWidth / 2,
                             kRulesPageHeight / 2, &canvas_);
  }

  Layer layer_{kRulesPageWidth, kRulesPageHeight};
  Canvas canvas_{layer_};
  DrawingContext context_;
};

const PageLine* lineWithText(const std::vector<PageLine>& lines, TextView text, int nth = 1) {
  for (const PageLine& line : lines) {
    if (!line.registeredMark && line.text.view() == text.view() && --nth == 0) return &line;
  }
  return nullptr;
}

// The frame of every page: title and mark, caption, footer, subtitle and closing line.
TEST(PageLayout, EachPageHasItsFrameInPlace) {
  struct Frame {
    int page;
    float titleX, titleY, captionX, footerX;
    bool subtitle;
    float closingY;  // 0: none
    std::size_t lines;
  };
  const Frame frames[] = {
      {2, 0, 60, -55, -80, false, -65, 19},  {3, 0, 60, -55, -80, false, -60, 17},
      {4, 0, 60, -55, -80, false, -55, 16},  {5, 0, 60, -55, -80, false, 0, 12},
      {6, -40, 60, -45, -70, true, -65, 20}, {7, -40, 60, -45, -80, true, -65, 20},
      {8, -40, 60, -45, -80, true, -65, 20}, {9, -40, 60, -45, -80, true, 0, 19},
  };
  for (const Frame& f : frames) {
    const std::vector<PageLine> lines = pageLayout(f.page, Language::kEnglish);
    ASSERT_EQ(lines.size(), f.lines) << "page " << f.page;
    const PageLine& title = lines[0];
    EXPECT_EQ(title.text.view(), "Q-I-RO");
    EXPECT_EQ(title.x, f.titleX);
    EXPECT_EQ(title.y, f.titleY);
    EXPECT_EQ(title.size, 24);
    EXPECT_TRUE(title.italic && title.centred && title.weight == 650);
    EXPECT_EQ(title.face, PageFace::kTitle);
    const PageLine& mark = lines[1];
    EXPECT_TRUE(mark.registeredMark);
    EXPECT_EQ(mark.x, f.titleX + 35);
    EXPECT_EQ(mark.y, 64);

    int captions = 0;
    int footers = 0;
    int subtitles = 0;
    int closing = 0;
    for (const PageLine& line : lines) {
      if (line.y == -63) {
        ++captions;
        EXPECT_EQ(line.x, f.captionX) << f.page;
        EXPECT_EQ(line.face, PageFace::kTitle);
      }
      if (line.y == -70) {
        ++footers;
        EXPECT_EQ(line.x, f.footerX) << f.page;
      }
      if (line.x == 45 && line.y == 55) ++subtitles;
      if (line.x == 50) {
        ++closing;
        EXPECT_EQ(line.y, f.closingY) << f.page;
      }
    }
    EXPECT_EQ(captions, 1) << f.page;
    EXPECT_EQ(footers, 1) << f.page;
    EXPECT_EQ(subtitles, f.subtitle ? 1 : 0) << f.page;
    EXPECT_EQ(closing, f.closingY != 0 ? 1 : 0) << f.page;
  }
  // Page 5's caption is the title again, small.
  const std::vector<PageLine> five = pageLayout(5, Language::kFrench);
  ASSERT_NE(lineWithText(five, "Q-I-RO", 2), nullptr);
  EXPECT_EQ(lineWithText(five, "Q-I-RO", 2)->size, 5);
}

// Headings are italic and semi-bold in the body face; body lines follow in order, the
// italic ones last; pages 4 and 5 write their caption and footer after the blocks.
TEST(PageLayout, BlocksAndDrawingOrder) {
  const std::vector<PageLine> eight = pageLayout(8, Language::kEnglish);
  // Title, mark, caption, footer, subtitle, then the upper heading.
  const PageLine& heading = eight[5];
  EXPECT_EQ(heading.x, 5);
  EXPECT_EQ(heading.y, 25);
  EXPECT_TRUE(heading.italic);
  EXPECT_EQ(heading.weight, 600);
  EXPECT_EQ(heading.face, PageFace::kBody);
  const float ys[] = {20, 15, 10, 5, 0, -10};
  for (int i = 0; i < 6; ++i) {
    const PageLine& body = eight[6 + static_cast<std::size_t>(i)];
    EXPECT_EQ(body.x, 15);
    EXPECT_EQ(body.y, ys[i]);
    EXPECT_EQ(body.italic, i == 5);
    EXPECT_EQ(body.weight, 0);
    EXPECT_EQ(body.size, 5);
  }
  for (const int page : {4, 5}) {
    const std::vector<PageLine> lines = pageLayout(page, Language::kEnglish);
    EXPECT_EQ(lines[lines.size() - 2].y, -63) << page;
    EXPECT_EQ(lines.back().y, -70) << page;
  }
}

TEST(PageLayout, CoverTakesTheInheritedFaceUntilItsTitle) {
  const std::vector<PageLine> cover = pageLayout(1, Language::kFrench);
  ASSERT_EQ(cover.size(), 5U);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(cover[i].face, PageFace::kInherited);
  EXPECT_EQ(cover[0].x, -30);
  EXPECT_EQ(cover[1].y, 52);
  EXPECT_EQ(cover[2].size, 3.5F);
  EXPECT_EQ(cover[3].face, PageFace::kTitle);
  EXPECT_EQ(cover[3].x, 33);
  EXPECT_TRUE(cover[4].registeredMark);
  EXPECT_EQ(cover[4].x, 68);
  EXPECT_EQ(cover[4].y, 28);
}

// Both languages place the same elements; only the words differ.
TEST(PageLayout, BothLanguagesShareThePlaces) {
  for (int page = 1; page <= kRulesPageCount; ++page) {
    const std::vector<PageLine> english = pageLayout(page, Language::kEnglish);
    const std::vector<PageLine> french = pageLayout(page, Language::kFrench);
    ASSERT_EQ(english.size(), french.size()) << page;
    int differing = 0;
    for (std::size_t i = 0; i < english.size(); ++i) {
      EXPECT_EQ(english[i].x, french[i].x);
      EXPECT_EQ(english[i].y, french[i].y);
      EXPECT_EQ(english[i].italic, french[i].italic);
      EXPECT_EQ(english[i].registeredMark || english[i].text.isNotEmpty(), true) << page;
      differing += english[i].text.view() != french[i].text.view() ? 1 : 0;
    }
    EXPECT_GT(differing, 2) << page;
  }
  EXPECT_TRUE(pageLayout(0, Language::kEnglish).empty());
  EXPECT_TRUE(pageLayout(10, Language::kEnglish).empty());
}

TEST_F(PageTest, ALineAsksForItsFontInTheSharedFace) {
  pageTextState().face.assign("Helvetica");
  drawPageLine(context_, 0, 0, 0, 5, true, 600, false, "x");
  const FontSpec& font = currentFont().font();
  EXPECT_EQ(font.height, 19);
  EXPECT_EQ(font.width, 6);
  EXPECT_EQ(font.face, "Helvetica");
  EXPECT_TRUE(font.italic);
  EXPECT_EQ(font.weight, 600);
}

TEST_F(PageTest, TextsLandOnTheirPlacesInBlack) {
  drawPageText(context_, 2, Language::kEnglish);
  // The title, 94 pixels high, is centred on x = 0 and hangs half its height above the
  // point 60 mm over the centre, row 64.
  int titleInk = 0;
  int outside = 0;
  for (int y = 0; y < 140; ++y) {
    for (int x = 0; x < kRulesPageWidth; ++x) {
      if (layer_.pixel(x, y) != kBlack) continue;
      const bool inTitle = x > 250 && x < 550 && y > 17 && y < 112;
      ++(inTitle ? titleInk : outside);
    }
  }
  EXPECT_GT(titleInk, 1000);
  EXPECT_EQ(outside, 0);
  // Nothing on the left half between the title and the caption: the board's place.
  for (int y = 140; y < 520; y += 4) {
    for (int x = 0; x < 340; x += 4)
      ASSERT_EQ(layer_.pixel(x, y), kWhite) << x << "," << y;
  }
}

TEST_F(PageTest, PagesOutsideTheNineDrawNoText) {
  for (const int page : {0, -1, 10}) {
    drawPageText(context_, page, Language::kFrench);
    EXPECT_EQ(inkOf(layer_, kWhite, false).count, 0) << page;
  }
}

TEST_F(PageTest, ThePageNumberIsLeftAsTheFaceOfTheNextCover) {
  drawRulesPage(context_, 7, Language::kEnglish);
  EXPECT_EQ(pageTextState().face.view(), "Helvetica");
  // The number stands in the top right corner, in black on the page.
  const Ink corner = inkOf(layer_, kBlack);
  EXPECT_GT(corner.count, 0);
  bool numberInCorner = false;
  for (int y = 0; y < 60 && !numberInCorner; ++y) {
    for (int x = 740; x < 800; ++x)
      numberInCorner = numberInCorner || layer_.pixel(x, y) == kBlack;
  }
  EXPECT_TRUE(numberInCorner);
}

}  // namespace
}  // namespace qiro
