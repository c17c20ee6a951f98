// The grid collection: built-in grids loaded into grid slots by key or by grid number, and
// the figures the rest of the program sizes itself by.
#pragma once

#include "content/builtin_grids.h"
#include "render/board.h"
#include "text/text.h"
#include "text/text_list.h"
#include "toolkit/stopwatch.h"

namespace qiro {

constexpr int kCollectionEdition = 119;
constexpr int kBuiltinGridCount = 5;
// Each selectable grid has its own stopwatch.
static_assert(kBuiltinGridCount == kGridStopwatchCount);

class GridCollection {
 public:
  // True when key names an entry (ASCII case ignored, the whole key). Publishes the
  // edition and the grid count on every call; on a match sets the pending level and
  // appends the entry's lines, unscrambled, to the pending lines (which it never empties).
  bool findBuiltinGrid(TextView key);

  // Loads the entry named key into grid slot 0 to 15: its definition tokens (not read again
  // when they were the last read into that slot), the board's display parameters, its level, then the post-load steps. An
  // unknown key, or a slot outside 0 to 15, leaves every slot as it was; answers whether
  // the grid was loaded.
  bool loadBuiltinGrid(int slot, TextView key);
  // Grid n of the catalogue into slot 0, with the cell style the loader prepared; false
  // when n names no grid, which changes nothing.
  bool selectGridNumber(int n);
  // Reads the board's definition tokens into its grid unless the last read was of the same
  // key into the same slot, then re-applies difficulty, rotation and hexagon size.
  void prepareLoadedGrid(Board& board);

  // The catalogue comes from the stored tables once, at start-up.
  void fillCatalogue() { gridCatalogue_ = builtinCatalogue(); }
  const Text& gridCatalogue() const { return gridCatalogue_; }
  // The key of grid n, or the empty text.
  Text catalogueKey(int n) const;

  // 0 until the first lookup.
  int collectionEdition() const { return collectionEdition_; }
  int builtinGridCount() const { return builtinGridCount_; }
  TextList& pendingGridLines() { return pendingGridLines_; }
  int pendingGridLevel() const { return pendingGridLevel_; }
  int nextCellStyle() const { return nextCellStyle_; }

 private:
  int collectionEdition_ = 0;
  int builtinGridCount_ = 0;
  TextList pendingGridLines_;
  int pendingGridLevel_ = 0;
  int nextCellStyle_ = kTriangleCellStyle;
  Text gridCatalogue_;
  // The "key," last read and the slot it was read into.
  Text rememberedName_;
  int rememberedSlot_ = -1;
};

// The program's one collection.
GridCollection& gridCollection();

}  // namespace qiro
