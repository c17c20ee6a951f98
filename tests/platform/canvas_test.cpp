// Tests of the canvas: drawing on a layer and reading the pixels back.
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <utility>

#include "ink.h"

namespace qiro {
namespace {

TEST(Layer, StartsInItsColourAndAnswersZeroOutside) {
  const Layer layer(3, 2, 0x123456);
  EXPECT_EQ(layer.width(), 3);
  EXPECT_EQ(layer.pixel(2, 1), 0x123456U);
  EXPECT_EQ(layer.pixel(3, 0), 0U);
  EXPECT_EQ(layer.pixel(-1, 0), 0U);
  // An empty layer takes drawing without harm.
  Layer empty(0, 5);
  Canvas canvas(empty);
  canvas.line(0, 0, 4, 4);
  canvas.textOut(0, 0, "x");
  EXPECT_EQ(empty.width(), 0);
  EXPECT_FALSE(empty.savePng("/nonexistent-folder/never.png"));
}

TEST(Layer, SavesAPng) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "qiro_layer.png";
  const Layer layer(4, 4, kRed);
  ASSERT_TRUE(layer.savePng(path.string()));
  EXPECT_GT(std::filesystem::file_size(path), 0U);
  std::filesystem::remove(path);
}

TEST(Canvas, DrawsLinesWithThePenWidth) {
  Layer layer(30, 30);
  {
    Canvas canvas(layer);
    canvas.setPen({1, kRed});
    canvas.line(2, 5, 15, 5);
    canvas.setPen({5, kBlue});
    canvas.line(5, 20, 25, 20);
  }
  for (int x = 2; x <= 15; ++x)
    EXPECT_EQ(layer.pixel(x, 5), kRed) << x;
  EXPECT_EQ(layer.pixel(8, 4), kWhite);
  EXPECT_EQ(layer.pixel(8, 6), kWhite);
  EXPECT_EQ(layer.pixel(1, 5), kWhite);
  const Ink thick = inkOf(layer, kBlue);
  EXPECT_EQ(thick.bottom - thick.top + 1, 5);
  EXPECT_EQ(thick.top, 18);
}

TEST(Canvas, FillsPolygonsWithTheBrushAndOutlinesThemWithThePen) {
  const std::array<DevicePoint, 4> square = {{{2, 2}, {17, 2}, {17, 17}, {2, 17}}};
  Layer filled(20, 20);
  Layer hollow(20, 20);
  Layer noPen(20, 20);
  {
    Canvas canvas(filled);
    canvas.setPen({1, kBlue});
    canvas.setBrush({kYellow});
    canvas.polygon(square);
  }
  {
    Canvas canvas(hollow);
    canvas.setPen({1, kBlue});
    canvas.setBrush({kYellow, true});
    canvas.polygon(square);
  }
  {
    Canvas canvas(noPen);
    canvas.setPen({1, kBlue, true});
    canvas.setBrush({kYellow});
    canvas.polygon(square);
  }
  for (const Layer* layer : {&filled, &hollow}) {
    EXPECT_EQ(layer->pixel(2, 10), kBlue);
    EXPECT_EQ(layer->pixel(17, 10), kBlue);
    EXPECT_EQ(layer->pixel(10, 2), kBlue);
    EXPECT_EQ(layer->pixel(10, 17), kBlue);
    EXPECT_EQ(layer->pixel(18, 10), kWhite);
    EXPECT_EQ(layer->pixel(1, 1), kWhite);
  }
  EXPECT_EQ(filled.pixel(10, 10), kYellow);
  EXPECT_EQ(filled.pixel(3, 3), kYellow);
  EXPECT_EQ(hollow.pixel(10, 10), kWhite);
  EXPECT_EQ(inkOf(noPen, kBlue).count, 0);
  EXPECT_EQ(noPen.pixel(10, 10), kYellow);
}

TEST(Canvas, BoxesLeaveOutTheirRightColumnAndBottomRow) {
  Layer layer(40, 40);
  {
    Canvas canvas(layer);
    canvas.setPen({1, kBlue});
    canvas.setBrush({kYellow});
    canvas.rectangle(2, 2, 10, 8);
    canvas.fillRectangle(20, 2, 28, 8, kRed);
    canvas.setPen({1, kBlack});
    canvas.setBrush({0, true});
    canvas.ellipse(2, 20, 12, 30);
  }
  EXPECT_EQ(layer.pixel(2, 2), kBlue);
  EXPECT_EQ(layer.pixel(9, 7), kBlue);
  EXPECT_EQ(layer.pixel(5, 5), kYellow);
  EXPECT_EQ(layer.pixel(10, 5), kWhite);
  EXPECT_EQ(layer.pixel(5, 8), kWhite);
  const Ink fill = inkOf(layer, kRed);
  EXPECT_EQ(fill.count, 8 * 6);
  EXPECT_EQ(fill.left, 20);
  EXPECT_EQ(fill.top, 2);
  const Ink ellipse = inkOf(layer, kBlack);
  EXPECT_EQ(ellipse.left, 2);
  EXPECT_EQ(ellipse.right, 11);
  EXPECT_EQ(ellipse.top, 20);
  EXPECT_EQ(ellipse.bottom, 29);
}

TEST(Canvas, CopiesARectangleOfAnotherLayer) {
  Layer source(10, 10, kWhite);
  {
    Canvas canvas(source);
    canvas.fillRectangle(2, 2, 6, 5, kRed);
  }
  Layer target(20, 20, kBlue);
  {
    Canvas canvas(target);
    canvas.blit(10, 10, source, 2, 2, 4, 3);
  }
  const Ink copied = inkOf(target, kRed);
  EXPECT_EQ(copied.count, 12);
  EXPECT_EQ(copied.left, 10);
  EXPECT_EQ(copied.top, 10);
  EXPECT_EQ(inkOf(target, kBlue, false).count, 12);
}

FontSpec arial(int height, int width = 0) {
  FontSpec font;
  font.height = height;
  font.width = width;
  return font;
}

TEST(Canvas, DrawsTextInItsColourInsideItsCell) {
  Layer layer(80, 60);
  TextSize size;
  {
    Canvas canvas(layer);
    canvas.setFont(arial(30));
    canvas.setTextColour(kRed);
    canvas.setTextBackground(kWhite, false);
    canvas.textOut(5, 5, "H\xC9");
    size = canvas.textSize("H\xC9");
  }
  const Ink ink = inkOf(layer, kRed);
  EXPECT_GT(ink.count, 40);
  EXPECT_GE(ink.left, 5);
  EXPECT_GE(ink.top, 5);
  EXPECT_LT(ink.right, 5 + size.width);
  EXPECT_LT(ink.bottom, 5 + size.height);
  // No antialiasing: nothing but text colour and background.
  EXPECT_EQ(ink.count + inkOf(layer, kWhite).count, 80 * 60);
}

TEST(Canvas, OpaqueTextCoversItsCellAndTransparentTextOnlyItsGlyphs) {
  for (const bool opaque : {true, false}) {
    Layer layer(60, 40, kBlue);
    TextSize size;
    {
      Canvas canvas(layer);
      canvas.setFont(arial(20));
      canvas.setTextColour(kBlack);
      canvas.setTextBackground(kWhite, opaque);
      canvas.textOut(10, 10, "il");
      size = canvas.textSize("il");
    }
    const Ink background = inkOf(layer, kWhite);
    const Ink blue = inkOf(layer, kBlue);
    if (opaque) {
      EXPECT_EQ(background.left, 10);
      EXPECT_EQ(background.top, 10);
      EXPECT_EQ(blue.count, 60 * 40 - size.width * size.height);
    } else {
      EXPECT_EQ(background.count, 0);
      EXPECT_GT(blue.count, 60 * 40 - size.width * size.height);
    }
    EXPECT_GT(inkOf(layer, kBlack).count, 0);
  }
}

TEST(Canvas, CentredTextHangsFromTheMiddleOfItsTop) {
  Layer layer(100, 40);
  TextSize size;
  {
    Canvas canvas(layer);
    canvas.setFont(arial(24));
    canvas.setTextBackground(kYellow, true);
    canvas.setTextCentred(true);
    canvas.textOut(50, 8, "HHHH");
    size = canvas.textSize("HHHH");
  }
  const Ink box = inkOf(layer, kWhite, false);
  EXPECT_EQ(box.top, 8);
  EXPECT_EQ(box.left, 50 - size.width / 2);
  EXPECT_EQ(box.right, box.left + size.width - 1);
}

TEST(Canvas, EscapementTurnsTextCounterClockwise) {
  Layer layer(60, 80);
  {
    Canvas canvas(layer);
    FontSpec font = arial(20);
    font.escapement = 900;
    canvas.setFont(font);
    canvas.setTextBackground(kWhite, false);
    canvas.textOut(20, 70, "HHHH");
  }
  // Reading upward from the point, the top of the letters toward the left.
  const Ink ink = inkOf(layer, kBlack);
  EXPECT_LE(ink.bottom, 70);
  EXPECT_GE(ink.left, 20);
  EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
}

TEST(Fonts, TheFacesTheDrawingsNameResolveToMetricCompatibleFaces) {
  FontSpec font;
  const std::array<std::pair<std::string, std::string>, 3> faces = {{
      {"Arial", "Liberation Sans"},
      {"Helvetica", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
  }};
  for (const auto& [asked, resolved] : faces) {
    font.face = asked;
    EXPECT_EQ(resolvedFontFamily(font), resolved);
  }
}

TEST(Fonts, AFaceThatIsNotInstalledFallsBackAndStillDraws) {
  FontSpec font = arial(20);
  font.face = "No Such Face Anywhere";
  EXPECT_FALSE(resolvedFontFamily(font).empty());
  Layer layer(60, 30);
  {
    Canvas canvas(layer);
    canvas.setFont(font);
    canvas.textOut(2, 2, "Abc");
  }
  EXPECT_GT(inkOf(layer, kBlack).count, 20);
}

int inkOfText(const FontSpec& font, const char* text) {
  Layer layer(200, 80);
  Canvas canvas(layer);
  canvas.setFont(font);
  canvas.textOut(2, 2, text);
  return inkOf(layer, kBlack).count;
}

TEST(Fonts, HeightIsTheCellWidthTheAverageCharacterAndWeightTheStroke) {
  Layer layer(1, 1);
  Canvas canvas(layer);
  for (const int height : {10, 19, 30, 60}) {
    canvas.setFont(arial(height));
    EXPECT_NEAR(canvas.textSize("Hg").height, height, 1) << height;
  }
  // The board's number font: width half the height.
  canvas.setFont(arial(20, 10));
  const int normal = canvas.textSize("abcdefghij").width;
  EXPECT_NEAR(normal, 100, 10);
  canvas.setFont(arial(20, 5));
  EXPECT_NEAR(canvas.textSize("abcdefghij").width, normal / 2.0, 3);
  canvas.setFont(arial(20, 20));
  EXPECT_NEAR(canvas.textSize("abcdefghij").width, normal * 2, 6);

  FontSpec bold = arial(30);
  bold.weight = 700;
  EXPECT_GT(inkOfText(bold, "HHH"), inkOfText(arial(30), "HHH") * 5 / 4);
}

}  // namespace
}  // namespace qiro
