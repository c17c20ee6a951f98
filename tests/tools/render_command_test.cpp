// Tests of qiro-tool render: its arguments and the picture file it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tool.h"

namespace qiro {
namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

ToolRun render(std::vector<std::string_view> args) {
  args.insert(args.begin(), "render");
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const int status = runTool(args, in, out, err);
  return {status, out.str(), err.str()};
}

// A path in the temporary folder, removed again at the end of the test.
class RenderFile : public ::testing::Test {
 protected:
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::string& path() const { return path_; }

  // Width and height from the header of a PNG file; (0, 0) for anything else.
  std::pair<unsigned, unsigned> pngSize() const {
    std::ifstream in(path_, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
    auto bigEndian = [&](std::size_t at) {
      unsigned value = 0;
      for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
      return value;
    };
    return {bigEndian(16), bigEndian(20)};
  }

 private:
  std::string path_ = (std::filesystem::temp_directory_path() /
                       ("qiro-render-" + std::to_string(std::random_device{}()) + ".png"))
                          .string();
};

TEST_F(RenderFile, WritesThePictureOnAPageAsLargeAsTheBoardsBox) {
  // One hexagon at size 40: cells 20 and 24 pixels from its centre, widened by 40.
  const ToolRun run = render({"--out", path(), "X", "--level", "3", "--select", "1,2,3"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "image 121x129 cells=6 " + path() + "\n");
  EXPECT_EQ(pngSize(), (std::pair{121U, 129U}));

  const ToolRun larger = render({"--size", "70", "--links", "--out", path(), "X,XA"});
  EXPECT_EQ(larger.status, 0) << larger.err;
  EXPECT_EQ(pngSize(), (std::pair{281U, 223U}));
}

TEST_F(RenderFile, StateAndSelectionOutsideTheGridStillDrawTheBoard) {
  const ToolRun run =
      render({"--state", "AAAAAAAAAAAA!", "--select", "0,-4,999", "--out", path(), "X"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(pngSize(), (std::pair{121U, 129U}));
}

TEST(RenderCommand, BadArgumentsGiveOneErrorLineAndStatus2) {
  const std::vector<std::vector<std::string_view>> cases = {
      {"X"},                                      // no --out
      {"--out"},                                  // --out without its file
      {"--out", "a.png", "--size", "5", "X"},     // a size too small
      {"--out", "a.png", "--level", "8", "X"},    // no level 8
      {"--out", "a.png", "--select", "1,2,3,4"},  // four entries
      {"--out", "a.png", "--select", "1,,2"},     // an empty entry
      {"--out", "a.png", "--select", "red"},      // not a number
      {"--out", "a.png", "--zoom", "2", "X"},     // no such option
  };
  for (const std::vector<std::string_view>& args : cases) {
    const ToolRun run = render(args);
    EXPECT_EQ(run.status, kToolUsageError) << args.front();
    EXPECT_TRUE(run.err.starts_with("qiro-tool render: ")) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(RenderFile, AFileThatCannotBeWrittenGivesStatus1) {
  const std::string folder = path() + "-missing/board.png";
  const ToolRun run = render({"--out", folder, "X"});
  EXPECT_EQ(run.status, kToolFailure);
  EXPECT_EQ(run.err, "qiro-tool render: cannot write " + folder + "\n");
}

}  // namespace
}  // namespace qiro
