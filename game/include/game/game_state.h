// The game state text: a grid's numbers and pencil marks packed one character a cell.
#pragma once

#include "game/grid.h"
#include "text/text.h"

namespace qiro {

// "A" to "F" for a number, "G" for an empty cell, two digits 0 to 7 for the marks of an
// empty cell (low three bits first); then "GGG" shortens to "K" and "GG" to "H".
Text encodeState(const Grid& grid);
// Writes the state into the cells at once and queues its numbers and marks for the
// replay that follows the next application of the level. Given cells keep their number.
// A state that does not fit the grid (too long, another number on a given cell, a
// character outside the alphabet) returns the grid to its given numbers
// without marks; its queued moves are still replayed.
void decodeState(Grid& grid, TextView state);
// Runs the grid's replay queue: "V,cell,n" puts n in a cell that is not given, "P,cell,m"
// sets its marks.
void replayQueued(Grid& grid);

}  // namespace qiro
