// Reading one grid definition token.
#include "game/hex_label.h"

#include <string_view>

#include "text/tokens.h"

namespace qiro {

namespace {

bool isPathChar(char c) {
  return (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9');
}

// "J" to "O" and "P" to "U" both stand for 1 to 6.
int valueOfLetter(char c) {
  if (c >= 'J' && c <= 'O') return c - 'J' + 1;
  if (c >= 'P' && c <= 'U') return c - 'P' + 1;
  return 0;
}

// The value letter, one skipped character, then an optional "%" and the clue.
void readValueData(std::string_view rest, HexLabel& label) {
  if (rest.empty()) return;
  label.value = valueOfLetter(rest[0]);
  rest.remove_prefix(rest.size() >= 2 ? 2 : 1);
  if (rest.empty() || rest[0] != '%') return;
  Text clue(rest.substr(1));
  label.clue = popInteger(clue);
}

}  // namespace

HexLabel parseHexLabel(TextView token) {
  Text upper(token);
  upperText(upper);
  std::string_view rest = upper.view();

  HexLabel label;
  if (!rest.empty() && rest[0] == 'X') {
    label.isHexagon = true;
    rest.remove_prefix(1);
  }
  std::size_t pathLength = 0;
  while (pathLength < rest.size() && isPathChar(rest[pathLength]))
    ++pathLength;
  parsePath(label.path, rest.substr(0, pathLength));
  rest.remove_prefix(pathLength);

  if (rest.starts_with('W') || rest.starts_with('V')) {
    label.isCell = true;
    label.abCorner = rest[0] == 'W';
    readValueData(rest.substr(1), label);
  } else if (rest.starts_with(":AB") || rest.starts_with(":AF")) {
    label.isCell = true;
    label.abCorner = rest.starts_with(":AB");
  }
  return label;
}

Text hexagonLabelOf(const HexLabel& label) {
  HexPath path = label.path;  // the text forms are cached in the path
  return expandedText(path);
}

Text cellLabelOf(const HexLabel& label) {
  Text cell = hexagonLabelOf(label);
  cell.append(label.abCorner ? ":AB" : ":AF");
  return cell;
}

}  // namespace qiro
