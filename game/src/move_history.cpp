// The move history: records of placements and erasures with a cursor for Undo and Re-do.
#include "game/move_history.h"

#include <algorithm>

#include "text/tokens.h"

namespace qiro {

namespace {

struct Move {
  bool erasure = false;
  int number = 0;
  int cell = 0;
};

Move parsed(TextView record) {
  Text rest(record);
  Move m;
  m.erasure = removePrefix(rest, "/");
  removePrefix(rest, "v");
  m.number = popInteger(rest);
  m.cell = popInteger(rest);
  return m;
}

// One record undoes the other: the same text with "/" in front of one of them.
bool cancels(TextView a, TextView b) {
  const std::string_view x = a.view();
  const std::string_view y = b.view();
  const auto slashed = [](std::string_view s, std::string_view plain) {
    return s.size() == plain.size() + 1 && s.front() == '/' && equalIgnoreCase(s.substr(1), plain);
  };
  return slashed(x, y) || slashed(y, x);
}

}  // namespace

void MoveHistory::recordMove(MoveKind kind, int number, int cell) {
  while (records_.count() > cursor_)
    records_.removeAt(records_.count());
  Text record;
  record.formatHash(kind == MoveKind::kErasure ? "/v#,#" : "v#,#", number, cell);
  records_.append(std::move(record));
  cursor_ = records_.count();

  const int length = records_.count();
  if (length >= 2 && cancels(records_.item(length), records_.item(length - 1))) {
    records_.removeAt(length);
    records_.removeAt(length - 1);
  }

  // Older than the last three records, an erasure takes itself and the placements it
  // cancelled out of the history.
  const int older = records_.count() - 3;
  for (int d = older; d >= 1; --d) {
    if (records_.count() < d || !startsWith(records_.item(d), "/")) continue;
    Text placement(records_.item(d));
    dropFront(placement, 1);
    records_.removeAt(d);
    for (int e = d - 1; e >= 1; --e) {
      if (records_.item(e)->equalsIgnoreCase(placement)) records_.removeAt(e);
    }
  }
  cursor_ = std::min(cursor_, records_.count());
}

void MoveHistory::undoMove(Grid& grid) {
  if (!canUndo()) return;
  const Move m = parsed(records_.item(cursor_));
  --cursor_;
  grid.setCellValue(m.cell, m.erasure ? m.number : 0);
}

void MoveHistory::redoMove(Grid& grid) {
  if (!canRedo()) return;
  ++cursor_;
  const Move m = parsed(records_.item(cursor_));
  grid.setCellValue(m.cell, m.erasure ? 0 : m.number);
}

void MoveHistory::clearHistory() {
  records_.clear();
  cursor_ = 0;
}

int MoveHistory::takeHistory(TextList& list) {
  list.clear();
  records_.moveAllTo(list);
  const int cursor = cursor_;
  cursor_ = 0;
  return cursor;
}

void MoveHistory::restoreHistory(int cursor, const TextList& list) {
  TextList copy;  // list may be this history's own records
  copy.appendAllFrom(list);
  records_ = std::move(copy);
  cursor_ = std::clamp(cursor, 0, records_.count());
}

MoveHistory& moveHistory() {
  static MoveHistory history;
  return history;
}

}  // namespace qiro
