// Tests of qiro-tool play: scripted sessions on one hexagon with a solution.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tool.h"

namespace qiro {
namespace {

// One hexagon; cell c has solution c. Clues 100, 90, 80, 100, 75, 95: at level 2 this
// open grid plays at 95 (shape offset 3), so cells 1, 4 and 6 are given.
const std::vector<std::string_view> kGrid = {"X,WJJ%100,VKJ%90", "CVLJ%80,DWMJ%100",
                                             " DVNJ%75 , EWOJ%95 "};

struct Step {
  std::string_view input;
  std::string_view output;  // every line the input prints
};

const std::vector<Step> kPrepareAtLevel2 = {
    {"level 2", "ok\n"},
    {"prepare", "level selected=2 effective=5 shown=2 threshold=95 offset=3\n"},
};

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

// Feeds every input line to one play session and checks the lines each one prints.
void expectSession(const std::vector<std::vector<Step>>& parts) {
  std::string input;
  std::vector<std::pair<std::string_view, std::string>> expected;  // input, output line
  for (const std::vector<Step>& steps : parts) {
    for (const Step& step : steps) {
      input.append(step.input).append("\n");
      for (std::string& line : linesOf(std::string(step.output)))
        expected.emplace_back(step.input, std::move(line));
    }
  }
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const std::vector<std::string_view> args = [] {
    std::vector<std::string_view> a = {"play"};
    a.insert(a.end(), kGrid.begin(), kGrid.end());
    return a;
  }();
  ASSERT_EQ(runTool(args, in, out, err), 0);
  EXPECT_EQ(err.str(), "");
  const std::vector<std::string> lines = linesOf(out.str());
  for (std::size_t i = 0; i < std::max(lines.size(), expected.size()); ++i) {
    const std::string got = i < lines.size() ? lines[i] : "(no line)";
    const std::string want = i < expected.size() ? expected[i].second : "(no line)";
    const std::string_view from = i < expected.size() ? expected[i].first : "(none)";
    EXPECT_EQ(got, want) << "output line " << i + 1 << ", from input '" << from << "'";
  }
}

TEST(PlayCommand, MovesGiveEachOutcomeAndFeedTheHistory) {
  expectSession({
      {
          // A fresh grid has no level yet: nothing is given.
          {"show", "values 000000\ngiven 000000\nmarks 0,0,0,0,0,0\n"},
      },
      kPrepareAtLevel2,
      {
          {"show", "values 100406\ngiven 100101\nmarks 0,0,0,0,0,0\n"},
          {"click 2 1", "outcome refused number=1\n"},  // given cell 1 holds 1
          {"click 2 3", "outcome placed number=3\n"},   // legal, though not the solution
          {"click 3 2", "outcome placed number=2\n"},
          {"click 5 5", "outcome solved number=5\n"},
          {"click 5 0", "outcome erased number=0\n"},
          // The erasure cancelled its placement.
          {"history", "records v3,2 v2,3 cursor=2\n"},
          {"click 5 5", "outcome solved number=5\n"},
          {"click 1 0", "outcome picked number=1\n"},
          {"click 6 3", "outcome picked number=6\n"},
          {"click 3 5", "outcome refused number=5\n"},
          {"history", "records v3,2 v2,3 v5,5 cursor=3\n"},
          {"undo", "history cursor=2 length=3\n"},
          {"undo", "history cursor=1 length=3\n"},
          {"show", "values 130406\ngiven 100101\nmarks 0,0,0,0,0,0\n"},
          {"redo", "history cursor=2 length=3\n"},
          // A new move drops the record after the cursor, then cancels with v2,3.
          {"click 3 0", "outcome erased number=0\n"},
          {"history", "records v3,2 cursor=1\n"},
          {"redo", "history cursor=1 length=1\n"},
          {"undo", "history cursor=0 length=1\n"},
          {"undo", "history cursor=0 length=1\n"},
          {"show", "values 100406\ngiven 100101\nmarks 0,0,0,0,0,0\n"},
      },
  });
}

TEST(PlayCommand, MarksAndTheGameStateSurviveFixedAndDecode) {
  expectSession({
      kPrepareAtLevel2,
      {
          {"click 5 0", "outcome refused number=0\n"},  // no marks anywhere
          {"mark 5 0", "63\n"},
          {"mark 5 3", "59\n"},
          {"mark 5 0", "59\n"},  // beside every mark of a marked cell
          {"toggleonly 1", "ok\n"},
          {"mark 3 2", "2\n"},
          {"toggleonly 0", "ok\n"},
          {"click 5 0", "outcome marks-cleared number=0\n"},
          // Cell 5 has none left, but cell 3 still has marks.
          {"click 5 0", "outcome marks-cleared number=0\n"},
          {"mark 5 0", "63\n"},
          {"click 2 3", "outcome placed number=3\n"},
          {"show", "values 130406\ngiven 100101\nmarks 0,0,2,0,63,0\n"},
          {"encode", "state AC20D77F\n"},
          {"fixed", "ok\n"},
          {"history", "records cursor=0\n"},
          {"show", "values 100406\ngiven 100101\nmarks 0,0,2,0,63,0\n"},
          {"decode ac20d77f", "ok\n"},
          {"show", "values 130406\ngiven 100101\nmarks 0,0,2,0,63,0\n"},
          // B on given cell 1 does not fit: back to the givens, no marks; the queued
          // marks of cell 2 and number of cell 3 return at the next prepare.
          {"decode B21C", "ok\n"},
          {"show", "values 100406\ngiven 100101\nmarks 0,0,0,0,0,0\n"},
          {"prepare", "level selected=2 effective=5 shown=2 threshold=95 offset=3\n"},
          {"show", "values 103406\ngiven 100101\nmarks 0,10,0,0,0,0\n"},
          {"percent 100", "ok\n"},
          {"prepare", "level selected=6 effective=6 shown=6 threshold=100 offset=3\n"},
          {"show", "values 100400\ngiven 100100\nmarks 0,10,0,0,0,0\n"},
          // An empty cell or marks on a given cell fit: only its marks change, and the
          // cells after a short state keep what they hold.
          {"click 5 5", "outcome placed number=5\n"},
          {"mark 3 0", "63\n"},
          {"decode K", "ok\n"},
          {"show", "values 100450\ngiven 100100\nmarks 0,0,0,0,0,0\n"},
          {"decode 11", "ok\n"},
          {"show", "values 100450\ngiven 100100\nmarks 9,0,0,0,0,0\n"},
      },
  });
}

TEST(PlayCommand, BadLinesPrintOneErrorAndReadingGoesOn) {
  expectSession({
      kPrepareAtLevel2,
      {
          {"", ""},
          {" \t ", ""},
          {"frob 1", "error: unknown command 'frob'\n"},
          {"SHOW", "error: unknown command 'SHOW'\n"},
          {"click 0 1", "error: no cell 0\n"},
          {"click 7 1", "error: no cell 7\n"},
          {"mark -1 1", "error: no cell -1\n"},
          {"click 2", "error: usage: click CELL NUMBER\n"},
          {"click 2 3 4", "error: usage: click CELL NUMBER\n"},
          {"undo now", "error: usage: undo\n"},
          {"decode", "error: usage: decode STATE\n"},
          {"click two 1", "error: click: CELL must be a whole number\n"},
          {"click 2 7", "error: click: NUMBER must be a whole number from 0 to 6\n"},
          {"mark 2 3x", "error: mark: MARK must be a whole number from 0 to 6\n"},
          {"level 8", "error: level: LEVEL must be a whole number from 1 to 7\n"},
          {"toggleonly 2", "error: toggleonly: FLAG must be a whole number from 0 to 1\n"},
          {"percent 99999999999", "error: percent: PERCENT must be a whole number\n"},
          // Nothing above changed the grid; spacing and a CR line end are no fault.
          {"  click   4 2 \r", "outcome picked number=4\n"},
          {"show", "values 100406\ngiven 100101\nmarks 0,0,0,0,0,0\n"},
      },
  });
}

TEST(PlayCommand, EndOfInputEndsWithStatus0AndOptionsAreRefused) {
  struct Case {
    std::vector<std::string_view> args;
    int status;
    std::string_view err;
  };
  const Case cases[] = {
      {{"play", "X"}, 0, ""},
      {{"play"}, 0, ""},
      {{"play", "--size", "40", "X"}, 2, "qiro-tool play: unknown option '--size'\n"},
      {{"play", "X", "-x"}, 2, "qiro-tool play: unknown option '-x'\n"},
  };
  for (const Case& c : cases) {
    std::istringstream in;  // the end of input at once
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runTool(c.args, in, out, err), c.status) << c.args.back();
    EXPECT_EQ(out.str(), "") << c.args.back();
    EXPECT_EQ(err.str(), c.err);
  }
}

}  // namespace
}  // namespace qiro
