// The game state text: packing a grid's numbers and marks, reading them back, replaying.
#include "game/game_state.h"

#include <string>
#include <string_view>

#include "game/moves.h"
#include "text/tokens.h"

namespace qiro {

namespace {

bool isNumberLetter(char c) {
  return c >= 'A' && c <= 'F';
}

bool isMarkDigit(char c) {
  return c >= '0' && c <= '7';
}

// Queues one move of a restored game: cell first, then the number or the marks.
void queueMove(Grid& grid, TextView pattern, int c, int n) {
  Text token;
  token.formatHash(pattern, c, n);
  grid.replayQueue().append(std::move(token));
}

}  // namespace

Text encodeState(const Grid& grid) {
  std::string chars;
  chars.reserve(static_cast<std::size_t>(grid.cellCount()) * 2);
  for (int c = 1; c <= grid.cellCount(); ++c) {
    const int value = grid.cellValue(c);
    const int marks = grid.marksOf(c) & kAllNumbers;
    if (value >= 1 && value <= kHighestNumber) {
      chars += static_cast<char>('A' + value - 1);
    } else if (marks == 0) {
      chars += 'G';
    } else {
      chars += static_cast<char>('0' + marks % 8);
      chars += static_cast<char>('0' + marks / 8);
    }
  }
  Text state = Text::fromBytes(std::move(chars));
  state.replaceAll("GGG", "K");
  state.replaceAll("GG", "H");
  return state;
}

void decodeState(Grid& grid, TextView state) {
  Text expanded(state);
  upperText(expanded);
  expanded.replaceAll("H", "GG");
  expanded.replaceAll("K", "GGG");
  grid.replayQueue().clear();

  bool fits = true;
  const std::string_view chars = expanded.view();
  int c = 0;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    ++c;
    if (c > grid.cellCount()) {
      fits = false;
      continue;
    }
    const char ch = chars[i];
    // A given cell keeps its number; only a state that names another number for it was
    // made for other givens.
    const bool given = grid.isGiven(c);
    if (ch == 'G') {
      if (!given) grid.setCellValue(c, 0);
      grid.setMarks(c, 0);
    } else if (isNumberLetter(ch)) {
      const int n = ch - 'A' + 1;
      if (given) {
        if (grid.cellValue(c) != n) fits = false;
      } else {
        grid.setCellValue(c, n);
        queueMove(grid, "v,#,#", c, n);
      }
      grid.setMarks(c, 0);
    } else if (isMarkDigit(ch)) {
      int marks = ch - '0';
      // A missing or foreign second digit reads as 0 and stays for the next cell.
      if (i + 1 < chars.size() && isMarkDigit(chars[i + 1])) marks += 8 * (chars[++i] - '0');
      if (!given) grid.setCellValue(c, 0);
      grid.setMarks(c, static_cast<NumberSet>(marks));
      queueMove(grid, "p,#,#", c, marks);
    } else {
      // Not a character a state is made of: it holds the place of one cell.
      fits = false;
    }
  }
  if (!fits) {
    returnToGiven(grid);
    clearAllMarks(grid);
  }
}

void replayQueued(Grid& grid) {
  TextList& queue = grid.replayQueue();
  Text entry;
  Text kind;
  while (queue.isNotEmpty()) {
    queue.popFront(entry);
    popTokenUpper(kind, entry);
    const int c = popInteger(entry);
    const int n = popInteger(entry);
    if (kind.view() == "V") {
      if (!grid.isGiven(c) && n >= 0 && n <= kHighestNumber) grid.setCellValue(c, n);
    } else if (kind.view() == "P") {
      grid.setMarks(c, static_cast<NumberSet>(n & kAllNumbers));
    }
  }
}

}  // namespace qiro
