// Tests of the move history: recording with its compaction, undo and redo, hand-over.
#include "game/move_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"

namespace qiro {
namespace {

using Records = std::vector<std::string>;

struct Step {
  MoveKind kind;
  int number, cell;
};
constexpr MoveKind P = MoveKind::kPlacement;
constexpr MoveKind E = MoveKind::kErasure;

Records recorded(const std::vector<Step>& steps) {
  MoveHistory h;
  for (const Step& s : steps)
    h.recordMove(s.kind, s.number, s.cell);
  EXPECT_EQ(h.cursor(), h.records().count());
  return labelsOf(h.records());
}

TEST(MoveHistory, RecordingAndCompaction) {
  struct Case {
    const char* what;
    std::vector<Step> steps;
    Records records;
  };
  const Case cases[] = {
      {"records", {{P, 5, 12}, {E, 5, 12}, {P, 3, 7}}, {"v3,7"}},
      {"place then erase cancel", {{P, 3, 7}, {E, 3, 7}}, {}},
      {"erase then place cancel", {{P, 1, 1}, {E, 2, 2}, {P, 2, 2}}, {"v1,1"}},
      {"other cell, no cancel", {{P, 3, 7}, {E, 3, 8}}, {"v3,7", "/v3,8"}},
      {"an erasure three records old stays",
       {{P, 1, 1}, {P, 2, 2}, {E, 1, 1}, {P, 3, 3}, {P, 4, 4}},
       {"v1,1", "v2,2", "/v1,1", "v3,3", "v4,4"}},
      {"four records old, it goes with the placement it cancelled",
       {{P, 1, 1}, {P, 2, 2}, {E, 1, 1}, {P, 3, 3}, {P, 4, 4}, {P, 5, 5}},
       {"v2,2", "v3,3", "v4,4", "v5,5"}},
      {"only the placements before the erasure go",
       {{P, 6, 9}, {P, 2, 2}, {E, 6, 9}, {P, 1, 1}, {P, 6, 9}, {P, 3, 3}, {E, 6, 9}},
       {"v2,2", "v1,1", "v6,9", "v3,3", "/v6,9"}},
      {"every earlier placement of that number in that cell",
       {{P, 6, 9},
        {P, 2, 2},
        {E, 6, 9},
        {P, 1, 1},
        {P, 6, 9},
        {P, 3, 3},
        {E, 6, 9},
        {P, 4, 4},
        {P, 5, 5},
        {P, 7, 7}},
       {"v2,2", "v1,1", "v3,3", "v4,4", "v5,5", "v7,7"}},
      {"other placements stay",
       {{P, 6, 9}, {P, 5, 9}, {E, 6, 9}, {P, 1, 1}, {P, 3, 3}, {P, 4, 4}},
       {"v5,9", "v1,1", "v3,3", "v4,4"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(recorded(c.steps), c.records) << c.what;
}

TEST(MoveHistory, UndoAndRedoWalkTheRecords) {
  Grid grid = gridOf("X");
  MoveHistory h;
  EXPECT_FALSE(h.canUndo());
  h.undoMove(grid);  // at the start: nothing
  for (int c = 1; c <= 5; ++c) {
    grid.setCellValue(c, c);
    h.recordMove(P, c, c);
  }
  grid.setCellValue(5, 0);
  h.recordMove(E, 5, 5);
  EXPECT_EQ(h.records().count(), 4);  // the last placement and its erasure cancelled
  h.undoMove(grid);
  h.undoMove(grid);
  EXPECT_EQ(grid.cellValue(4), 0);
  EXPECT_EQ(grid.cellValue(3), 0);
  EXPECT_TRUE(h.canRedo());
  h.redoMove(grid);
  EXPECT_EQ(grid.cellValue(3), 3);
  h.recordMove(P, 6, 6);  // a new move drops what could have been redone
  EXPECT_FALSE(h.canRedo());
  EXPECT_EQ(labelsOf(h.records()), (Records{"v1,1", "v2,2", "v3,3", "v6,6"}));
  h.redoMove(grid);  // at the end: nothing
  EXPECT_EQ(h.cursor(), 4);

  // Undoing an erasure puts the number back, even on a given cell; redo takes it out.
  MoveHistory e;
  e.recordMove(E, 2, 1);
  grid.cellRecord(1)->given = true;
  e.undoMove(grid);
  EXPECT_EQ(grid.cellValue(1), 2);
  e.redoMove(grid);
  EXPECT_EQ(grid.cellValue(1), 0);
}

TEST(MoveHistory, RecordsNamingNoCellChangeNothing) {
  Grid grid = gridOf("X");
  MoveHistory h;
  h.recordMove(P, 4, 99);
  h.undoMove(grid);
  h.redoMove(grid);
  for (int c = 1; c <= 6; ++c)
    EXPECT_EQ(grid.cellValue(c), 0);
}

TEST(MoveHistory, TakenAsideAndRestored) {
  MoveHistory h;
  h.recordMove(P, 1, 1);
  h.recordMove(P, 2, 2);
  h.recordMove(P, 3, 3);
  Grid grid = gridOf("X");
  h.undoMove(grid);
  TextList aside;
  aside.append("stale");
  EXPECT_EQ(h.takeHistory(aside), 2);
  EXPECT_EQ(labelsOf(aside), (Records{"v1,1", "v2,2", "v3,3"}));
  EXPECT_TRUE(h.records().isEmpty());
  EXPECT_EQ(h.cursor(), 0);

  h.restoreHistory(2, aside);
  EXPECT_EQ(h.records().count(), 3);
  EXPECT_EQ(h.cursor(), 2);
  EXPECT_TRUE(h.canRedo());
  for (const auto& [given, kept] : {std::pair{-4, 0}, std::pair{9, 3}}) {
    h.restoreHistory(given, aside);
    EXPECT_EQ(h.cursor(), kept);
  }
  h.restoreHistory(1, h.records());  // from its own records
  EXPECT_EQ(h.records().count(), 3);
  h.clearHistory();
  EXPECT_FALSE(h.canUndo() || h.canRedo());
}

}  // namespace
}  // namespace qiro
