// The board painter: the background pass (cell triangles and holes), the content pass
// (numbers, pencil marks, links, centres, mesh lines, pan arrows) and the selected hexagons.
#pragma once

#include "render/board.h"
#include "render/pan_arrows.h"
#include "toolkit/drawing_context.h"

namespace qiro {

// What the painter needs of the shell, owned by the caller.
struct PaintState {
  int busyDepth = 0;         // raised while a pass runs
  bool linkDisplay = false;  // show the peer links instead of the pencil marks
  bool rulesScreen = false;  // the rules pages show their boards without pencil marks
  PanArrows arrows;
};

// Each pass saves the context's origin, draws from the base origin and puts the origin
// back, raising busyDepth while it runs; so either pass may run without the other.
void paintBoardBackground(Board& board, DrawingContext& context, PaintState& state);
void paintBoardContent(Board& board, DrawingContext& context, PaintState& state);

// Entries of the touching-hexagon list, oldest first; 0 for none.
struct HexagonSelection {
  int oldest = 0;
  int previous = 0;
  int newest = 0;
};

// Outlines entry index of the board's touching-hexagon list in colour; an index that
// names no entry draws nothing.
void paintHexagonSelection(Board& board, DrawingContext& context, int index, Colour colour);
// Oldest in orange, previous in green, newest in red, so red is on top.
void paintSelectedHexagons(Board& board, DrawingContext& context,
                           const HexagonSelection& selection);

}  // namespace qiro
