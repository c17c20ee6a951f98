// The board's colours: the display palette and the fixed colours of the painter.
#pragma once

#include "toolkit/holders.h"

namespace qiro {

// Colours are 0x00BBGGRR values.
struct DisplayPalette {
  Colour cellFill = 0x99FFFF;     // pale yellow
  Colour cellOutline = 0xFF0000;  // blue
  Colour border = 0xFF0000;       // the lines of the triangle mesh
  Colour hole = 0xFF9999;         // lightened blue, fill and outline of hole triangles
  Colour given = 0x000000;
  Colour player = 0xFF00FF;    // magenta
  Colour arrowOff = 0xCCCCCC;  // a pan arrow that does not exist
  friend bool operator==(const DisplayPalette&, const DisplayPalette&) = default;
};

constexpr Colour kMarkColour = 0xFF0000;  // blue
constexpr Colour kLinkColour = 0x00FF00;  // green
constexpr Colour kCentreDotOutline = 0x000000;
constexpr Colour kCentreDotFill = 0xFFFFFF;
constexpr Colour kArrowOnColour = 0x0000FF;    // red
constexpr Colour kSelectionNewest = 0x0000FF;  // red
constexpr Colour kSelectionPrevious = 0x00FF00;
constexpr Colour kSelectionOldest = 0x00A5FF;  // orange

// The palette all painting reads. It starts with its standard values, so a paint before
// the first setDisplayPalette still draws in the right colours.
const DisplayPalette& displayPalette();
// Puts the standard values in place; the shell calls it at start-up and on a mode change.
void setDisplayPalette();

}  // namespace qiro
