// Tests of the grid designer and of the solve command.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tool_run.h"
#include "tools/tool.h"

namespace qiro {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

TEST(DesignCommand, DesignsAGridWithOneSolutionAtEveryLevel) {
  const char* flower = "X,XA,XB,XC,XD,XE,XF";
  const ToolRun design = run({"design", "--seed", "7", "--lines", "9", flower});
  ASSERT_EQ(design.status, 0) << design.err;
  const std::vector<std::string> lines = linesOf(design.out);
  EXPECT_EQ(lines.size(), 9U);
  for (const std::string& line : lines)
    EXPECT_LE(line.size(), 151U);
  // The same seed gives the same grid.
  EXPECT_EQ(run({"design", "--seed", "7", "--lines", "9", flower}).out, design.out);

  const auto file = std::filesystem::temp_directory_path() / "qiro_design_test.txt";
  std::ofstream(file) << design.out;
  const ToolRun solve = run({"solve", "--file", file.string()});
  std::filesystem::remove(file);
  ASSERT_EQ(solve.status, 0) << solve.err;
  const std::vector<std::string> levels = linesOf(solve.out);
  ASSERT_EQ(levels.size(), 7U);
  for (const std::string& level : levels) {
    EXPECT_NE(level.find(" solutions 1 "), std::string::npos) << level;
  }
  EXPECT_NE(levels[0].find("grade easy"), std::string::npos) << levels[0];
}

TEST(DesignCommand, LevelSevenGetsItsOwnGivens) {
  const ToolRun design = run({"design", "--level7", "X,XA,XB,XC,XD,XE,XF"});
  ASSERT_EQ(design.status, 0) << design.err;
  EXPECT_NE(design.out.find("%120"), std::string::npos);
  EXPECT_NE(design.out.find("%100"), std::string::npos);
}

TEST(SolveCommand, ReportsEveryLevelOfABuiltinGrid) {
  const ToolRun solve = run({"solve", "1805-9"});
  ASSERT_EQ(solve.status, 0) << solve.err;
  EXPECT_EQ(linesOf(solve.out).front(), "level 1 threshold 75 givens 14 solutions 1 grade easy");
  // A definition with too few givens is reported, not refused.
  const ToolRun open = run({"solve", "--tokens", "X,WJJ%100"});
  ASSERT_EQ(open.status, 0);
  EXPECT_EQ(linesOf(open.out).back(), "level 7 threshold 100 givens 1 solutions 2 grade none");
}

TEST(DesignAndSolve, BadArguments) {
  struct Case {
    std::vector<std::string_view> args;
    int status;
  };
  const Case cases[] = {
      {{"design"}, 2},
      {{"design", "--seed", "x", "X"}, 2},
      {{"design", "--lines", "1", "X,XA,XB,XC,XD,XE,XF,XA2,XB2,XC2,XD2,XE2,XF2"}, 1},  // too long
      {{"solve"}, 2},
      {{"solve", "9999-9"}, 2},
      {{"solve", "--file", "/nonexistent/grid.txt"}, 1},
      {{"solve", "1805-9", "extra"}, 2},
  };
  for (const Case& c : cases) {
    const ToolRun r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.size();
    EXPECT_EQ(r.err.empty(), false);
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one error line";
  }
}

}  // namespace
}  // namespace qiro
