// Canonical labels of hexagons, corners and sides; rotation; the walker; suffix tables.
#include "hexagon/labels.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "hexagon/hex_path.h"
#include "text/char_map.h"

namespace qiro {

namespace {

// The path written in the requested form.
Text writtenPath(HexPath& path, char form) {
  return Text(form == 'C' ? compactText(path) : expandedText(path));
}

// Path text plus extra steps, normalised, written in form, followed by ":" and suffix.
Text joined(TextView pathText, std::string_view extraSteps, std::string_view suffix, char form) {
  HexPath path;
  parsePath(path, pathText);
  for (char c : extraSteps)
    ++path.steps[static_cast<std::size_t>(c - 'A')];
  Text label = writtenPath(path, form);
  label.append(":", suffix);
  return label;
}

struct Move {
  std::string_view ending;  // the suffix as found
  std::string_view step;    // the step that moves to the hexagon that owns it canonically
  std::string_view suffix;  // the suffix there
};

constexpr Move kCornerMoves[] = {
    {"BC", "C", "AF"}, {"CD", "D", "AB"}, {"DE", "D", "AF"}, {"EF", "E", "AB"}};
constexpr Move kSideMoves[] = {{"D", "D", "A"}, {"E", "E", "B"}, {"F", "F", "C"}};

template <std::size_t N>
Text canonicalWith(TextView label, const Move (&moves)[N], char form, bool sortSuffix) {
  const std::string_view after = suffixPart(label).view();
  if (after.empty()) {  // no ":": a hexagon
    HexPath path;
    parsePath(path, label);
    return writtenPath(path, form);
  }
  std::string suffix(after.substr(1));
  for (char& c : suffix)
    c = upperChar(c);
  if (sortSuffix) std::sort(suffix.begin(), suffix.end());
  for (const Move& m : moves) {
    if (suffix == m.ending) return joined(pathPart(label), m.step, m.suffix, form);
  }
  return joined(pathPart(label), "", suffix, form);
}

// Each entry of the table rotated one more time, canonical.
std::vector<Text> rotations(TextView first, int count, Text (*canonical)(TextView)) {
  std::vector<Text> table{canonical(first)};
  while (static_cast<int>(table.size()) < count)
    table.push_back(canonical(rotateLabel(table.back())));
  return table;
}

Text cornerD(TextView label) {
  return canonicalCorner(label);
}

SuffixTables buildTables() {
  SuffixTables t;
  t.corners = rotations(":AB", 6, cornerD);
  t.secondRing = rotations("B:AF", 6, cornerD);
  const std::vector<Text> ab = rotations("A:AB", 6, cornerD);
  const std::vector<Text> af = rotations("A:AF", 6, cornerD);
  for (std::size_t i = 0; i < ab.size(); ++i) {
    t.secondRing.push_back(ab[i]);
    t.secondRing.push_back(af[i]);
  }
  t.sides = rotations(":A", 6, canonicalSide);
  t.spokes = rotations("C:A", 6, canonicalSide);
  t.aroundAB = {Text(""), Text("A"), Text("B")};
  t.aroundAF = {Text(""), Text("A"), Text("F")};
  t.nextToAB = {Text(":AF"), Text("B:AF"), Text("C:AF")};
  t.nextToAF = {Text(":AB"), Text("E:AB"), Text("F:AB")};
  return t;
}

}  // namespace

TextView pathPart(TextView label) {
  const std::string_view v = label.view();
  return v.substr(0, v.find(':'));
}

TextView suffixPart(TextView label) {
  const std::string_view v = label.view();
  const std::size_t colon = v.find(':');
  return colon == std::string_view::npos ? std::string_view() : v.substr(colon);
}

Text canonicalCorner(TextView label, char form) {
  return canonicalWith(label, kCornerMoves, form, true);
}

Text canonicalSide(TextView label) {
  return canonicalWith(label, kSideMoves, 'D', false);
}

Text canonicalLabel(TextView label, char form) {
  std::string_view rest = label.view();
  const bool marked = !rest.empty() && rest.front() == 'X';
  if (marked) rest.remove_prefix(1);
  Text canonical;
  if (rest.find(':') != std::string_view::npos) {
    canonical = canonicalCorner(rest, form);
  } else {
    HexPath path;
    parsePath(path, rest);
    canonical = writtenPath(path, form);
  }
  if (marked) insertAt(canonical, 1, "X");
  return canonical;
}

Text rotateLabel(TextView label) {
  static const CharMap turn = [] {
    CharMap m;
    defineMap(m, "ABCDEFabcdef", "BCDEFABCDEFA");
    return m;
  }();
  Text rotated(label);
  applyMap(turn, rotated);
  return rotated;
}

Walk walkRowColumn(TextView label) {
  Walk w;
  for (char c : label.view()) {
    switch (c) {
      case 'A':
        w.x += 2;
        break;
      case 'B':
        w.x += 1;
        w.y += 1;
        break;
      case 'C':
        w.x -= 1;
        w.y += 1;
        break;
      case 'D':
        w.x -= 2;
        break;
      case 'E':
        w.x -= 1;
        w.y -= 1;
        break;
      case 'F':
        w.x += 1;
        w.y -= 1;
        break;
      case ':':
        return w;
      default:
        break;
    }
  }
  return w;
}

Translation::Translation(TextView offset) : suffix_(suffixPart(offset)) {
  parsePath(steps_, pathPart(offset));
}

Text Translation::from(const HexPath& base) const {
  HexPath moved;
  for (std::size_t d = 0; d < kDirections; ++d)
    moved.steps[d] = base.steps[d] + steps_.steps[d];
  normalise(moved);
  // Written directly: this runs for every corner and line of a board.
  std::string label;
  label.reserve(16);
  for (std::size_t d = 0; d < kDirections; ++d) {
    label.append(static_cast<std::size_t>(moved.steps[d]), static_cast<char>('A' + d));
  }
  label.append(suffix_.view());
  return Text::fromBytes(std::move(label));
}

std::vector<Translation> translations(const std::vector<Text>& table) {
  std::vector<Translation> moves;
  moves.reserve(table.size());
  for (const Text& entry : table)
    moves.emplace_back(entry);
  return moves;
}

const SuffixTables& suffixTables() {
  static const SuffixTables tables = buildTables();
  return tables;
}

}  // namespace qiro
