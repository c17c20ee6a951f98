// Tests of the rule of play: allowed numbers, every branch of a click, pencil marks.
#include "game/moves.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"

namespace qiro {
namespace {

// One hexagon (cells 1 to 6) with values and given flags written as digit strings.
Grid hexagonWith(const std::string& values, const std::string& given = "000000") {
  Grid grid = gridOf("X");
  for (int c = 1; c <= 6; ++c) {
    grid.setCellValue(c, values[static_cast<std::size_t>(c - 1)] - '0');
    grid.cellRecord(c)->given = given[static_cast<std::size_t>(c - 1)] == '1';
  }
  return grid;
}

std::string valuesOf(const Grid& grid) {
  std::string v;
  for (int c = 1; c <= grid.cellCount(); ++c)
    v += static_cast<char>('0' + grid.cellValue(c));
  return v;
}

TEST(Moves, EveryBranchOfAClick) {
  struct Case {
    const char* what;
    std::string values, given;
    int markedCell;  // a cell holding marks before the click, 0 for none
    int cell, number;
    PlayOutcome outcome;
    int currentNumber;
    std::string after;
    const char* record;  // the history record made, "" for none
  };
  const Case cases[] = {
      {"place", "000000", "000000", 0, 2, 3, PlayOutcome::kPlaced, 3, "030000", "v3,2"},
      {"held by a peer", "300000", "000000", 0, 2, 3, PlayOutcome::kRefused, 3, "300000", ""},
      {"eraser, no marks", "000000", "000000", 0, 2, 0, PlayOutcome::kRefused, 0, "000000", ""},
      {"eraser, marks elsewhere", "000000", "000000", 5, 2, 0, PlayOutcome::kMarksCleared, 0,
       "000000", ""},
      {"given picked", "500000", "100000", 0, 1, 2, PlayOutcome::kPicked, 5, "500000", ""},
      {"given, eraser", "500000", "100000", 0, 1, 0, PlayOutcome::kPicked, 5, "500000", ""},
      {"erase with own number", "040000", "000000", 0, 2, 4, PlayOutcome::kErased, 4, "000000",
       "/v4,2"},
      {"erase with eraser", "040000", "000000", 0, 2, 0, PlayOutcome::kErased, 0, "000000",
       "/v4,2"},
      {"other number on filled", "040000", "000000", 0, 2, 5, PlayOutcome::kRefused, 5, "040000",
       ""},
      {"last empty cell", "123450", "110000", 0, 6, 6, PlayOutcome::kSolved, 6, "123456", "v6,6"},
      {"no such cell", "000000", "000000", 0, 0, 1, PlayOutcome::kRefused, 1, "000000", ""},
      {"past the last cell", "000000", "000000", 0, 7, 1, PlayOutcome::kRefused, 1, "000000", ""},
  };
  for (const Case& c : cases) {
    Grid grid = hexagonWith(c.values, c.given);
    if (c.markedCell != 0) grid.setMarks(c.markedCell, 9);
    MoveHistory history;
    recomputeAllowed(grid);
    const PlayResult r = playCurrent(grid, history, c.cell, c.number);
    EXPECT_EQ(r.outcome, c.outcome) << c.what;
    EXPECT_EQ(r.currentNumber, c.currentNumber) << c.what;
    EXPECT_EQ(valuesOf(grid), c.after) << c.what;
    const std::string record =
        history.records().isEmpty() ? "" : std::string(history.records().item(1)->view());
    EXPECT_EQ(record, c.record) << c.what;
    if (c.outcome == PlayOutcome::kMarksCleared) {
      EXPECT_EQ(grid.marksOf(c.cell), 0);
      EXPECT_EQ(grid.marksOf(c.markedCell), c.markedCell == c.cell ? 0 : 9) << c.what;
    }
  }
}

TEST(Moves, APeerOnAPartialHexagonRefusesLikeAFullOne) {
  // C:AF (cell 6) and B:AF (cell 5) share only hexagon B, which holds three cells.
  Grid grid = gridOf("X,XA");
  ASSERT_EQ(grid.cellList().item(5)->view(), "B:AF");
  ASSERT_EQ(grid.cellList().item(6)->view(), "C:AF");
  MoveHistory history;
  grid.setCellValue(5, 4);
  recomputeAllowed(grid);
  EXPECT_FALSE(isAllowed(grid, 6, 4));
  EXPECT_EQ(playCurrent(grid, history, 6, 4).outcome, PlayOutcome::kRefused);
  EXPECT_EQ(playCurrent(grid, history, 6, 3).outcome, PlayOutcome::kPlaced);
}

TEST(Moves, AllowedSetsFollowThePeers) {
  Grid grid = hexagonWith("100006");
  recomputeAllowed(grid);
  EXPECT_EQ(grid.allowedSet(1), singleNumberSet(1));  // a filled cell allows its own number
  EXPECT_EQ(grid.allowedSet(6), singleNumberSet(6));
  for (int c = 2; c <= 5; ++c)
    EXPECT_EQ(grid.allowedSet(c), 30) << c;  // 2, 3, 4, 5
  EXPECT_FALSE(isAllowed(grid, 2, 0));
  EXPECT_FALSE(isAllowed(grid, 2, 7));

  // Returning to the givens empties every allowed set until the next recomputation.
  grid.cellRecord(1)->given = true;
  grid.setMarks(3, 5);
  returnToGiven(grid);
  EXPECT_EQ(valuesOf(grid), "100000");
  EXPECT_EQ(grid.marksOf(3), 5);
  for (int c = 1; c <= 6; ++c)
    EXPECT_EQ(grid.allowedSet(c), 0) << c;
  recomputeAllowed(grid);
  EXPECT_EQ(grid.allowedSet(2), 62);
}

TEST(Moves, SolvedAgainAfterEraseAndRefill) {
  Grid grid = hexagonWith("123450");
  MoveHistory history;
  recomputeAllowed(grid);
  EXPECT_EQ(playCurrent(grid, history, 6, 6).outcome, PlayOutcome::kSolved);
  recomputeAllowed(grid);
  EXPECT_EQ(playCurrent(grid, history, 6, 0).outcome, PlayOutcome::kErased);
  recomputeAllowed(grid);
  EXPECT_EQ(playCurrent(grid, history, 6, 6).outcome, PlayOutcome::kSolved);
}

TEST(Moves, PencilMarks) {
  Grid grid = hexagonWith("000000");
  markClick(grid, 2, 3, false);  // a cell without marks gets all six
  EXPECT_EQ(grid.marksOf(2), 63);
  markClick(grid, 2, 3, false);  // then the mark under the pointer toggles
  EXPECT_EQ(grid.marksOf(2), 59);
  markClick(grid, 2, 0, false);  // no mark under the pointer
  EXPECT_EQ(grid.marksOf(2), 59);
  markClick(grid, 4, 2, true);  // toggle-only never fills
  EXPECT_EQ(grid.marksOf(4), 2);
  markClick(grid, 4, 9, true);
  EXPECT_EQ(grid.marksOf(4), 2);
  EXPECT_TRUE(anyMarks(grid));
  toggleMark(grid, 4, 2);
  clearMarks(grid, 2);
  EXPECT_FALSE(anyMarks(grid));
  markClick(grid, 99, 1, false);  // no such cell: nothing happens
  grid.setMarks(1, 1);
  clearAllMarks(grid);
  EXPECT_FALSE(anyMarks(grid));
}

TEST(Moves, TonesOfEachOutcome) {
  using Tones = std::vector<Tone>;
  const auto tones = [](PlayOutcome o) {
    const auto t = tonesFor(o);
    return Tones(t.begin(), t.end());
  };
  EXPECT_EQ(tones(PlayOutcome::kRefused), (Tones{{800, 5}, {1200, 5}}));
  EXPECT_EQ(tones(PlayOutcome::kErased), (Tones{{250, 80}, {200, 80}, {150, 80}}));
  EXPECT_EQ(tones(PlayOutcome::kMarksCleared), (Tones{{200, 50}}));
  EXPECT_EQ(tones(PlayOutcome::kSolved), (Tones{{800, 80}, {1200, 35}, {1600, 35}}));
  EXPECT_TRUE(tones(PlayOutcome::kPlaced).empty());
  EXPECT_TRUE(tones(PlayOutcome::kPicked).empty());
}

}  // namespace
}  // namespace qiro
