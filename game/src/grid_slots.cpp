// The sixteen grid slots, built on first use and kept for the whole run.
#include "game/grid_slots.h"

#include <array>

namespace qiro {

Grid& gridSlot(int slot) {
  static std::array<Grid, kGridSlots> slots;
  static Grid spare;
  if (slot >= 0 && slot < kGridSlots) return slots[static_cast<std::size_t>(slot)];
  spare.resetGrid('C');
  return spare;
}

}  // namespace qiro
