// The rule of play: allowed numbers, the move of a left click, and pencil marks.
#include "game/moves.h"

#include <array>

namespace qiro {

namespace {

constexpr std::array<Tone, 2> kRefusalTones = {Tone{800, 5}, Tone{1200, 5}};
constexpr std::array<Tone, 3> kErasureTones = {Tone{250, 80}, Tone{200, 80}, Tone{150, 80}};
constexpr std::array<Tone, 1> kMarksClearedTones = {Tone{200, 50}};
constexpr std::array<Tone, 3> kSolvedTones = {Tone{800, 80}, Tone{1200, 35}, Tone{1600, 35}};

}  // namespace

std::span<const Tone> tonesFor(PlayOutcome outcome) {
  switch (outcome) {
    case PlayOutcome::kRefused:
      return kRefusalTones;
    case PlayOutcome::kErased:
      return kErasureTones;
    case PlayOutcome::kMarksCleared:
      return kMarksClearedTones;
    case PlayOutcome::kSolved:
      return kSolvedTones;
    case PlayOutcome::kPlaced:
    case PlayOutcome::kPicked:
      break;
  }
  return {};
}

void recomputeAllowed(Grid& grid) {
  grid.ftbco();
  const int n = grid.cellCount();
  for (int c = 1; c <= n; ++c)
    grid.setAllowedSet(c, kAllNumbers);
  for (int c = 1; c <= n; ++c) {
    const int v = grid.cellValue(c);
    if (v <= 0) continue;
    grid.setAllowedSet(c, singleNumberSet(v));
    if (!grid.hexagonRule()) continue;
    for (int k = 0; k < kMaxPeers; ++k) {
      const int p = grid.peer(c, k);
      if (p != 0 && grid.cellIsEmpty(p)) {
        grid.setAllowedSet(p, grid.allowedSet(p) & static_cast<NumberSet>(~singleNumberSet(v)));
      }
    }
  }
}

void runPostLoadSteps(Grid& grid) {
  grid.ensureCellRecords();
  grid.ftbco();
  recomputeAllowed(grid);
}

bool isAllowed(const Grid& grid, int cell, int n) {
  return hasNumber(grid.allowedSet(cell), n);
}

PlayResult playCurrent(Grid& grid, MoveHistory& history, int cell, int number) {
  PlayResult result{PlayOutcome::kRefused, number};
  if (grid.cellRecord(cell) == nullptr) return result;  // a click beside every cell
  if (grid.cellIsEmpty(cell)) {
    if (isAllowed(grid, cell, number)) {
      grid.setCellValue(cell, number);
      history.recordMove(MoveKind::kPlacement, number, cell);
      result.outcome = grid.allFilled() ? PlayOutcome::kSolved : PlayOutcome::kPlaced;
    } else if (number == 0 && anyMarks(grid)) {
      clearMarks(grid, cell);
      result.outcome = PlayOutcome::kMarksCleared;
    }
  } else if (grid.isGiven(cell)) {
    result.outcome = PlayOutcome::kPicked;
    result.currentNumber = grid.cellValue(cell);
  } else if (const int value = grid.cellValue(cell); value == number || number == 0) {
    grid.setCellValue(cell, 0);
    history.recordMove(MoveKind::kErasure, value, cell);
    result.outcome = PlayOutcome::kErased;
  }
  return result;
}

void toggleMark(Grid& grid, int cell, int n) {
  grid.setMarks(cell, grid.marksOf(cell) ^ singleNumberSet(n));
}

void clearMarks(Grid& grid, int cell) {
  grid.setMarks(cell, 0);
}

void clearAllMarks(Grid& grid) {
  for (int c = 1; c <= grid.cellCount(); ++c)
    clearMarks(grid, c);
}

bool anyMarks(const Grid& grid) {
  for (int c = 1; c <= grid.cellCount(); ++c) {
    if (grid.marksOf(c) > 0) return true;
  }
  return false;
}

void markClick(Grid& grid, int cell, int k, bool toggleOnly) {
  if (!toggleOnly && grid.marksOf(cell) == 0) {
    grid.setMarks(cell, kAllNumbers);
  } else {
    toggleMark(grid, cell, k);  // a k outside 1..6 names no mark and changes nothing
  }
}

void returnToGiven(Grid& grid) {
  for (int c = 1; c <= grid.cellCount(); ++c) {
    if (!grid.isGiven(c)) grid.setCellValue(c, 0);
    grid.setAllowedSet(c, 0);
  }
}

}  // namespace qiro
