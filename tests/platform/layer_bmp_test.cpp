// Tests of layers saved as 8-bit BMP files: the header, and every colour read back exactly.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ink.h"
#include "platform/canvas.h"

namespace qiro {
namespace {

std::vector<unsigned char> fileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A little-endian field of the header.
std::int32_t field(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8U) | bytes.at(at + i);
  return static_cast<std::int32_t>(value);
}

// A file of its own for each test, since ctest runs them side by side.
class LayerBmp : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(path_); }
  std::filesystem::path path_ =
      std::filesystem::temp_directory_path() /
      (std::string("qiro_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
       ".bmp");
};

TEST_F(LayerBmp, WritesAn8BitPictureWithA256ColourTableThatKeepsEveryColour) {
  // An odd width, so the rows need padding; colours that a fixed table would not hold.
  constexpr unsigned kPink = 0xCC99FF;
  constexpr unsigned kPale = 0x99FFFF;
  Layer layer(7, 5, kGray);
  {
    Canvas canvas(layer);
    canvas.fillRectangle(0, 0, 7, 1, kPink);
    canvas.fillRectangle(2, 2, 5, 4, kPale);
    canvas.fillRectangle(6, 4, 7, 5, kRed);
  }
  ASSERT_TRUE(layer.saveBmp(path_.string()));

  const std::vector<unsigned char> bytes = fileBytes(path_);
  ASSERT_GE(bytes.size(), 54U);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(field(bytes, 18, 4), 7);    // width
  EXPECT_EQ(field(bytes, 22, 4), 5);    // height, rows from the bottom
  EXPECT_EQ(field(bytes, 28, 2), 8);    // bits per pixel
  EXPECT_EQ(field(bytes, 30, 4), 0);    // no compression
  EXPECT_EQ(field(bytes, 46, 4), 256);  // colours in the table

  const QImage image(QString::fromStdString(path_.string()));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.format(), QImage::Format_Indexed8);
  for (int y = 0; y < layer.height(); ++y) {
    for (int x = 0; x < layer.width(); ++x) {
      const QRgb read = image.pixel(x, y);
      const unsigned colour = static_cast<unsigned>(qBlue(read)) << 16U |
                              static_cast<unsigned>(qGreen(read)) << 8U |
                              static_cast<unsigned>(qRed(read));
      EXPECT_EQ(colour, layer.pixel(x, y)) << x << "," << y;
    }
  }
}

TEST_F(LayerBmp, ALayerOfMoreThan256ColoursStillSavesAs8Bits) {
  Layer layer(20, 20);
  {
    Canvas canvas(layer);
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const auto colour = static_cast<unsigned>(x * 12 + (y * 12 << 8U) + ((x + y) * 6 << 16U));
        canvas.fillRectangle(x, y, x + 1, y + 1, colour);
      }
    }
  }
  ASSERT_TRUE(layer.saveBmp(path_.string()));
  const std::vector<unsigned char> bytes = fileBytes(path_);
  ASSERT_GE(bytes.size(), 54U);
  EXPECT_EQ(field(bytes, 28, 2), 8);
  EXPECT_EQ(field(bytes, 18, 4), 20);
}

TEST_F(LayerBmp, RefusesAnEmptyLayerAndAPathItCannotWrite) {
  {
    std::ofstream old(path_);
    old << "old";
  }
  EXPECT_FALSE(Layer(0, 3).saveBmp(path_.string()));
  EXPECT_EQ(fileBytes(path_).size(), 3U);
  EXPECT_FALSE(Layer(2, 2).saveBmp((path_ / "inside-a-file.bmp").string()));
  EXPECT_FALSE(Layer(2, 2).saveBmp("/nonexistent-folder/never.bmp"));
}

}  // namespace
}  // namespace qiro
