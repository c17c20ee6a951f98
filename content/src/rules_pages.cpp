// The rules pages: where each text stands, and the drawing of a whole page.
#include "content/rules_pages.h"

#include <array>
#include <span>
#include <string_view>
#include <utility>

#include "plain_text.h"
#include "stored_tables.h"
#include "text/scratch.h"
#include "toolkit/page_bitmaps.h"
#include "toolkit/scrambler.h"

namespace qiro {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr float kBodySize = 5;
constexpr float kTitleSize = 24;
constexpr float kFooterSize = 3.5F;
constexpr int kHeadingWeight = 600;
constexpr int kTitleWeight = 650;

using Pieces = std::span<const std::string_view>;

// A text block: its heading, then body lines at x, the plain ones first, then the italic.
struct Block {
  float headingX = 0;
  float headingY = 0;
  float bodyX = 0;
  std::array<float, 6> plainY{};
  int plainCount = 0;
  std::array<float, 3> italicY{};
  int italicCount = 0;
  Pieces english;
  Pieces french;
};

struct PageBlocks {
  Block upper;
  Block lower;
  float closingY = 0;  // 0: the page has no closing line
};

using namespace stored;

// clang-format off
constexpr std::array<PageBlocks, 8> kBlocks = {{
    {{-10, 25, 0, {20, 15, 10, 5}, 4, {-5, -10}, 2, kPage2UpperEn, kPage2UpperFr},
     {-10, -20, 0, {-25, -30, -35, -40}, 4, {-50, -55}, 2, kPage2LowerEn, kPage2LowerFr}, -65},
    {{-10, 20, 0, {15, 10, 5}, 3, {-5, -10}, 2, kPage3UpperEn, kPage3UpperFr},
     {-10, -20, 0, {-25, -30, -35}, 3, {-45, -50}, 2, kPage3LowerEn, kPage3LowerFr}, -60},
    {{-10, 20, 0, {15, 10}, 2, {0, -5, -10}, 3, kPage4UpperEn, kPage4UpperFr},
     {-10, -20, 0, {-25, -30}, 2, {-40, -45}, 2, kPage4LowerEn, kPage4LowerFr}, -55},
    {{-10, 30, 0, {25, 20, 15}, 3, {}, 0, kPage5UpperEn, kPage5UpperFr},
     {-10, -15, 0, {-20, -25, -30}, 3, {}, 0, kPage5LowerEn, kPage5LowerFr}, 0},
    {{0, 25, 10, {20, 15, 10, 5}, 4, {-5, -10}, 2, kPage6UpperEn, kPage6UpperFr},
     {0, -20, 10, {-25, -30, -35, -40}, 4, {-50, -55}, 2, kPage6LowerEn, kPage6LowerFr}, -65},
    {{0, 25, 10, {20, 15, 10, 5}, 4, {-5, -10}, 2, kPage7UpperEn, kPage7UpperFr},
     {0, -20, 10, {-25, -30, -35, -40}, 4, {-50, -55}, 2, kPage7LowerEn, kPage7LowerFr}, -65},
    {{5, 25, 15, {20, 15, 10, 5, 0}, 5, {-10}, 1, kPage8UpperEn, kPage8UpperFr},
     {5, -20, 15, {-25, -30, -35, -40, -45}, 5, {-55}, 1, kPage8LowerEn, kPage8LowerFr}, -65},
    {{5, 25, 15, {20, 15, 10}, 3, {5, 0, -5}, 3, kPage9UpperEn, kPage9UpperFr},
     {5, -20, 15, {-25, -30, -35}, 3, {-40, -45, -50}, 3, kPage9LowerEn, kPage9LowerFr}, 0},
}};
// clang-format on

// Every block's texts are its heading and exactly the lines it has places for.
constexpr bool textsFitTheirPlaces() {
  for (const PageBlocks& page : kBlocks) {
    for (const Block& block : {page.upper, page.lower}) {
      const std::size_t wanted = 1U + static_cast<std::size_t>(block.plainCount) +
                                 static_cast<std::size_t>(block.italicCount);
      if (block.english.size() != wanted || block.french.size() != wanted) return false;
    }
  }
  return true;
}
static_assert(textsFitTheirPlaces());

Text inLanguage(std::string_view english, std::string_view french, Language language) {
  return plainText(language == Language::kEnglish ? english : french);
}

PageLine textLine(float x, float y, float size, bool italic, int weight, bool centred,
                  PageFace face, Text text) {
  return PageLine{false, x, y, size, italic, weight, centred, face, std::move(text)};
}

// The title, 24 mm, then the registered mark 35 mm to its right and 4 mm higher.
void addTitle(std::vector<PageLine>& lines, float x, float y) {
  lines.push_back(textLine(x, y, kTitleSize, true, kTitleWeight, true, PageFace::kTitle,
                           plainText(kPageTitle)));
  PageLine mark;
  mark.registeredMark = true;
  mark.x = x + 35;
  mark.y = y + 4;
  mark.size = 4;
  lines.push_back(std::move(mark));
}

void addBlock(std::vector<PageLine>& lines, const Block& block, Language language) {
  const Pieces texts = language == Language::kEnglish ? block.english : block.french;
  lines.push_back(textLine(block.headingX, block.headingY, kBodySize, true, kHeadingWeight, false,
                           PageFace::kBody, plainText(texts[0])));
  std::size_t next = 1;
  for (int i = 0; i < block.plainCount; ++i) {
    lines.push_back(textLine(block.bodyX, block.plainY[static_cast<std::size_t>(i)], kBodySize,
                             false, 0, false, PageFace::kBody, plainText(texts[next++])));
  }
  for (int i = 0; i < block.italicCount; ++i) {
    lines.push_back(textLine(block.bodyX, block.italicY[static_cast<std::size_t>(i)], kBodySize,
                             true, 0, false, PageFace::kBody, plainText(texts[next++])));
  }
}

std::vector<PageLine> coverLayout(Language language) {
  std::vector<PageLine> lines;
  lines.push_back(textLine(-30, 65, 14, true, 0, true, PageFace::kInherited,
                           inLanguage(kCoverLine1En, kCoverLine1Fr, language)));
  lines.push_back(textLine(20, 52, 14, true, 0, true, PageFace::kInherited,
                           inLanguage(kCoverLine2En, kCoverLine2Fr, language)));
  lines.push_back(textLine(-80, -70, kFooterSize, true, 0, false, PageFace::kInherited,
                           inLanguage(kFooterEn, kFooterFr, language)));
  addTitle(lines, 33, 24);
  return lines;
}

}  // namespace

std::vector<PageLine> pageLayout(int n, Language language) {
  if (n == 1) return coverLayout(language);
  if (n < 2 || n > kRulesPageCount) return {};
  const PageBlocks& blocks = kBlocks[static_cast<std::size_t>(n - 2)];
  const bool second = n >= 6;  // pages 6 to 9 are about the second example board

  std::vector<PageLine> lines;
  addTitle(lines, second ? -40 : 0, 60);
  Text caption = n == 5   ? plainText(kPageTitle)
                 : second ? inLanguage(kCaptionSecondEn, kCaptionSecondFr, language)
                          : inLanguage(kCaptionFirstEn, kCaptionFirstFr, language);
  const std::array frame = {
      textLine(second ? -45 : -55, -63, kBodySize, true, 0, true, PageFace::kTitle,
               std::move(caption)),
      textLine(n == 6 ? -70 : -80, -70, kFooterSize, true, 0, false, PageFace::kTitle,
               inLanguage(kFooterEn, kFooterFr, language)),
  };
  // Pages 4 and 5 write their caption and footer last, the others before the blocks.
  const bool frameLast = n == 4 || n == 5;
  if (!frameLast) lines.insert(lines.end(), frame.begin(), frame.end());
  if (second) {
    lines.push_back(textLine(45, 55, 8, true, 0, true, PageFace::kTitle,
                             inLanguage(kSubtitleEn, kSubtitleFr, language)));
  }
  addBlock(lines, blocks.upper, language);
  addBlock(lines, blocks.lower, language);
  if (blocks.closingY != 0) {
    lines.push_back(textLine(50, blocks.closingY, kBodySize, false, 0, false, PageFace::kInherited,
                             inLanguage(kClosingLineEn, kClosingLineFr, language)));
  }
  if (frameLast) lines.insert(lines.end(), frame.begin(), frame.end());
  return lines;
}

PageTextState& pageTextState() {
  static PageTextState state;
  return state;
}

void drawPageLine(DrawingContext& page, float x, float y, int angle, float size, bool italic,
                  int weight, bool centred, TextView text) {
  const PageTextState& state = pageTextState();
  const int height = page.mmToPixelsX(size);
  FontHolder& font = currentFont();
  font.createWithOffset(height, height / 3, angle * 10, italic, weight, state.face);
  font.setColour(state.lineColour);
  page.textAtMm(x, y, text, centred);
}

void drawPageText(DrawingContext& page, int n, Language language) {
  const std::vector<PageLine> lines = pageLayout(n, language);
  if (lines.empty()) return;
  page.setHollowBrush();
  page.setPen(1, kBlack);
  PageTextState& state = pageTextState();
  state.lineColour = kBlack;
  for (const PageLine& line : lines) {
    if (line.registeredMark) {
      page.registeredMark(line.x, line.y, line.size);
      continue;
    }
    if (line.face != PageFace::kInherited) {
      state.face.assign(unscramble(line.face == PageFace::kTitle ? kTitleFace : kBodyFace));
    }
    drawPageLine(page, line.x, line.y, 0, line.size, line.italic, line.weight, line.centred,
                 line.text);
  }
}

void drawRulesPage(DrawingContext& page, int n, Language language) {
  page.setPen(1, kRulesPageCyan);
  page.setBrush(kRulesPageCyan);
  page.rotatedRectangle(0, 0, 0, kRulesPageWidth, kRulesPageHeight);
  if (Canvas* device = page.device()) {
    drawPageBitmap(*device, n, 0, 0, kRulesPageWidth, kRulesPageHeight);
  }
  drawPageText(page, n, language);
  // The page number, in the face the next page's cover lines will inherit.
  PageTextState& state = pageTextState();
  state.face.assign("Helvetica");
  const int height = page.mmToPixelsX(10);
  FontHolder& font = currentFont();
  font.createWithOffset(height, height / 2, 0, false, 0, state.face);
  font.setColour(kBlack);
  page.textAtMm(95, 70, numberText(n), true);
}

}  // namespace qiro
