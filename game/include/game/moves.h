// The rule of play: allowed numbers, the move of a left click, pencil marks.
#pragma once

#include <span>

#include "game/grid.h"
#include "game/move_history.h"

namespace qiro {

// What a click did. The shell turns it into sounds, cursors and a repaint.
enum class PlayOutcome {
  kPlaced,        // the number went into an empty cell
  kSolved,        // ... and it was the last empty cell
  kRefused,       // nothing changed
  kErased,        // a player's number was taken out
  kMarksCleared,  // the eraser on an empty cell cleared its pencil marks
  kPicked,        // a given cell's number became the current number
};

struct PlayResult {
  PlayOutcome outcome = PlayOutcome::kRefused;
  int currentNumber = 0;  // the current number after the move
};

// A tone of a frequency, for a duration.
struct Tone {
  int hertz = 0;
  int milliseconds = 0;
  friend bool operator==(const Tone&, const Tone&) = default;
};
// The tones an outcome calls for, in order; none for a placement or a pick. The tones of
// a solved grid are played by the paint that follows the move.
std::span<const Tone> tonesFor(PlayOutcome outcome);

// Every empty cell allows the numbers no peer holds; a filled cell allows its own.
void recomputeAllowed(Grid& grid);
// What follows reading a definition into a grid: its cell records and peer tables when
// missing, then fresh allowed sets.
void runPostLoadSteps(Grid& grid);
bool isAllowed(const Grid& grid, int cell, int n);
// The move of a left click on cell with the current number (0 is the eraser). The
// allowed sets must be fresh (recomputeAllowed). Placements and erasures are recorded
// in history.
PlayResult playCurrent(Grid& grid, MoveHistory& history, int cell, int number);

void toggleMark(Grid& grid, int cell, int n);
void clearMarks(Grid& grid, int cell);
void clearAllMarks(Grid& grid);
bool anyMarks(const Grid& grid);
// The right-click rule: a cell without marks gets all six unless toggleOnly is set;
// otherwise mark k (1 to 6; anything else is no mark) is toggled.
void markClick(Grid& grid, int cell, int k, bool toggleOnly);
// Empties every cell that is not given and every allowed set; marks stay.
void returnToGiven(Grid& grid);

}  // namespace qiro
