// The sixteen grids of the process: slot 0 is the grid in play, slot 1 the rules pages'.
#pragma once

#include "game/grid.h"

namespace qiro {

constexpr int kGridSlots = 16;

// The grid in slot 0 to 15. Any other slot gives a spare grid that is emptied on every
// such request, so a wrong slot number can never reach a real grid.
Grid& gridSlot(int slot);

}  // namespace qiro
