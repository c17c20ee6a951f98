// The move history behind Undo and Re-do.
#pragma once

#include "game/grid.h"
#include "text/text_list.h"

namespace qiro {

enum class MoveKind { kPlacement, kErasure };

// Records "v5,12" (5 placed in cell 12) and "/v5,12" (5 erased from cell 12), oldest
// first, with a cursor: the number of records in effect. Records after the cursor are
// the ones Re-do applies again.
class MoveHistory {
 public:
  // Drops the records after the cursor, appends the move, removes a move that undoes
  // the one before it, and compacts everything older than the last three records: an
  // erasure there goes, together with the earlier placements it cancelled.
  void recordMove(MoveKind kind, int number, int cell);
  // Both write cell values directly, without testing allowed sets or given flags.
  void undoMove(Grid& grid);
  void redoMove(Grid& grid);
  bool canUndo() const { return cursor_ > 0; }
  bool canRedo() const { return cursor_ < records_.count(); }
  void clearHistory();
  // Moves every record into list (which is emptied first) and answers the cursor.
  int takeHistory(TextList& list);
  // Copies list's records in and sets the cursor, clamped to their number.
  void restoreHistory(int cursor, const TextList& list);

  const TextList& records() const { return records_; }
  int cursor() const { return cursor_; }

 private:
  TextList records_;
  int cursor_ = 0;
};

// The one history of the program; it always refers to the grid in play.
MoveHistory& moveHistory();

}  // namespace qiro
