// HexLabel: one grid definition token read into a hexagon, a cell and its solution data.
#pragma once

#include "hexagon/hex_path.h"
#include "text/text.h"

namespace qiro {

struct HexLabel {
  HexPath path;
  bool isHexagon = false;  // the token began with "X"
  bool isCell = false;     // the token had a corner suffix
  bool abCorner = false;   // the corner between A and B; otherwise between A and F
  int value = 0;           // solution number 1 to 6, 0 for none
  int clue = 0;            // clue percentage, 0 for none
};

// Reads as much of the token as the grammar allows; anything else is ignored.
HexLabel parseHexLabel(TextView token);
// The canonical hexagon label of the token's path, in expanded form.
Text hexagonLabelOf(const HexLabel& label);
// That hexagon's path followed by ":AB" or ":AF".
Text cellLabelOf(const HexLabel& label);

}  // namespace qiro
