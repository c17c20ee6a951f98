// Tests of qiro-tool's command dispatch and of its grid command.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tool_run.h"
#include "tools/tool.h"

namespace qiro {
namespace {

std::string firstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

TEST(Tool, GridPrintsEverythingDerivedFromOneHexagon) {
  const ToolRun result = run({"grid", "X"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "grid cells=6 hexagons=1 partial=0 touching=7 holes=0 boundary=18 rows=2 columns=3\n"
            "cell 1 \":AB\" row=1 column=3 x=20 y=11 peers=2,3,4,5,6\n"
            "cell 2 \":AF\" row=2 column=3 x=20 y=-11 peers=1,3,4,5,6\n"
            "cell 3 \"C:AF\" row=1 column=2 x=0 y=24 peers=1,2,4,5,6\n"
            "cell 4 \"D:AB\" row=1 column=1 x=-20 y=11 peers=1,2,3,5,6\n"
            "cell 5 \"D:AF\" row=2 column=1 x=-20 y=-11 peers=1,2,3,4,6\n"
            "cell 6 \"E:AB\" row=2 column=2 x=0 y=-24 peers=1,2,3,4,5\n"
            "hexagon 1 \"\" full x=0 y=0\n"
            "links1 \"D:AA\" \"E:BB\" \"F:CC\"\n"
            "links2 \"C:A\" \"E:A\" \"D:B\" \"F:B\" \"A:C\" \"E:C\"\n"
            "holes\n"
            "boundary \"A:AB\" \"A:AF\" \"B:AB\" \"B:AF\" \"BC:AF\" \"C:AB\" \"CC:AF\" "
            "\"CD:AB\" \"CD:AF\" \"DD:AB\" \"DD:AF\" \"DE:AB\" \"DE:AF\" \"E:AF\" "
            "\"EE:AB\" \"EF:AB\" \"F:AB\" \"F:AF\"\n");
}

TEST(Tool, GridShowsSolutionsPartialHexagonsAndHoles) {
  // The second ring round the origin: the origin's corners are enclosed, not cells.
  const ToolRun result = run({"grid", "XAAWQJ%50,XAB,XBB,XBC,XCC,XCD", "XDD,XDE,XEE,XEF,XFF,XAF"});
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(firstLine(result.out),
            "grid cells=48 hexagons=12 partial=18 touching=36 holes=6 boundary=42 rows=6 "
            "columns=11");
  EXPECT_NE(result.out.find("\ncell 3 \"AA:AB\" row=3 column=11 x=100 y=11 peers=1,2,4,5,6,7 "
                            "solution=2 clue=50\n"),
            std::string::npos);
  EXPECT_NE(result.out.find("hexagon 12 \"FF\" full x=40 y=-70\n"
                            "hexagon 13 \"A\" partial x=40 y=0\n"),
            std::string::npos);
  EXPECT_NE(result.out.find("\nholes \":AB\" \":AF\" \"C:AF\" \"D:AB\" \"D:AF\" \"E:AB\"\n"),
            std::string::npos);
}

TEST(Tool, GridOptionsSetSizeAndRotation) {
  struct Case {
    std::vector<std::string_view> args;
    const char* firstCell;
  };
  const Case cases[] = {
      {{"grid", "X"}, "cell 1 \":AB\" row=1 column=3 x=20 y=11 peers=2,3,4,5,6"},
      {{"grid", "--size", "80", "X"}, "cell 1 \":AB\" row=1 column=3 x=40 y=23 peers=2,3,4,5,6"},
      {{"grid", "X", "--rotation", "90"},
       "cell 1 \":AB\" row=1 column=3 x=-11 y=20 peers=2,3,4,5,6"},
      {{"grid", "--size", "10", "--size", "40", "x"},
       "cell 1 \":AB\" row=1 column=3 x=20 y=11 peers=2,3,4,5,6"},
      {{"grid", " X , WPJ%90 "},
       "cell 1 \":AB\" row=1 column=3 x=20 y=11 peers=2,3,4,5,6 solution=1 clue=90"},
  };
  for (const Case& c : cases) {
    const ToolRun result = run(c.args);
    EXPECT_EQ(result.status, 0) << c.firstCell;
    const std::size_t cellLine = result.out.find('\n') + 1;
    EXPECT_EQ(firstLine(result.out.substr(cellLine)), c.firstCell);
  }
  // No token at all is the empty grid, a valid one.
  EXPECT_EQ(run({"grid"}).out,
            "grid cells=0 hexagons=0 partial=0 touching=0 holes=0 boundary=0 rows=0 columns=0\n"
            "links1\nlinks2\nholes\nboundary\n");
}

TEST(Tool, BadArgumentsGiveOneErrorLineAndStatus2) {
  const std::vector<std::string_view> cases[] = {
      {},
      {"frob"},
      {"GRID", "X"},
      {"grid", "--size"},
      {"grid", "X", "--rotation"},
      {"grid", "--size", "abc", "X"},
      {"grid", "--size", "40x"},
      {"grid", "--size", ""},
      {"grid", "--size", "1"},
      {"grid", "--size", "1001"},
      {"grid", "--size", "99999999999"},
      {"grid", "--rotation", "-361"},
      {"grid", "--rotation", "4.5"},
      {"grid", "--bogus", "X"},
      {"grid", "-x"},
      {"grid", "--size=40", "X"},
      {"play", "--rotation", "90", "X"},
  };
  for (const auto& args : cases) {
    const ToolRun result = run(args);
    const std::string shown = args.empty() ? "(none)" : std::string(args.back());
    EXPECT_EQ(result.status, 2) << shown;
    EXPECT_EQ(result.out, "") << shown;
    ASSERT_FALSE(result.err.empty()) << shown;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << shown;
  }
  EXPECT_EQ(run({}).err.rfind("usage: qiro-tool", 0), 0U);
  EXPECT_EQ(run({"grid", "--size", "abc"}).err,
            "qiro-tool grid: --size needs a whole number from 2 to 1000\n");
}

}  // namespace
}  // namespace qiro
