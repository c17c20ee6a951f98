// Tests of qiro-tool collection, load and message.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "content/builtin_grids.h"
#include "tool_run.h"

namespace qiro {
namespace {

TEST(CollectionCommand, OneLinePerEntry) {
  const ToolRun listed = run({"collection"});
  ASSERT_EQ(listed.status, 0);
  EXPECT_TRUE(listed.out.starts_with("entry 1805-9 level=2 lines=11 cells=24 hexagons=7\n"));
  EXPECT_NE(listed.out.find("\nentry 1239-1 level=6 lines=13 cells=33 hexagons=10\n"),
            std::string::npos);
  EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 10);
  EXPECT_EQ(run({"collection", "extra"}).status, kToolUsageError);
}

// The grid loaded from the stored tables is the one its plain source file defines.
TEST(LoadCommand, ShowsTheGridOfThePlainSource) {
  TextList lines;
  std::ifstream in(std::filesystem::path(QIRO_GRIDS_DIR) / "1805-9.txt");
  for (std::string line; std::getline(in, line);)
    lines.append(line);
  std::vector<std::string> tokens;
  for (const Text& token : definitionTokensOf(lines))
    tokens.emplace_back(token.view());
  std::vector<std::string_view> args = {"grid"};
  args.insert(args.end(), tokens.begin(), tokens.end());

  const ToolRun loaded = run({"load", "1805-9"});
  ASSERT_EQ(loaded.status, 0) << loaded.err;
  EXPECT_TRUE(loaded.out.starts_with("grid cells=24 hexagons=7"));
  EXPECT_EQ(loaded.out, run(args).out);
  EXPECT_EQ(run({"load", "1805"}).status, kToolUsageError);
  EXPECT_EQ(run({"load"}).status, kToolUsageError);
}

TEST(MessageCommand, PrintsTheComposedTextInUtf8) {
  EXPECT_EQ(run({"message", "4", "3", "--english"}).out, "Load Grid #3 ?\n");
  EXPECT_EQ(run({"message", "7", "1805-9", "24"}).out, "Grille 1805-9\n24 cases.\n");
  EXPECT_EQ(run({"message", "7", "Été", "3", "--english"}).out, "Grid: Été\n3 cells.\n");
  EXPECT_NE(run({"message", "9"}).out.find("é"), std::string::npos);
  EXPECT_EQ(run({"message", "16"}).out, "\n");
  for (const std::vector<std::string_view>& bad : {std::vector<std::string_view>{"message"},
                                                   {"message", "two"},
                                                   {"message", "4", "1", "2", "3"},
                                                   {"message", "7", "\u4E2D"}})
    EXPECT_EQ(run(bad).status, kToolUsageError);
}

}  // namespace
}  // namespace qiro
