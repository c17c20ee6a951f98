// The display palette all board painting reads.
#include "render/palette.h"

namespace qiro {

namespace {

DisplayPalette& palette() {
  static DisplayPalette shared;
  return shared;
}

}  // namespace

const DisplayPalette& displayPalette() {
  return palette();
}

void setDisplayPalette() {
  palette() = DisplayPalette{};
}

}  // namespace qiro
