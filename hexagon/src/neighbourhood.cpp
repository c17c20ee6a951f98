// Neighbourhoods of single hexagons and corners.
#include "hexagon/neighbourhood.h"

#include <vector>

#include "hexagon/hex_path.h"
#include "hexagon/labels.h"
#include "moves.h"

namespace qiro {

namespace {

bool isAb(TextView corner) {
  return contains(corner, ":AB");
}

}  // namespace

const TableMoves& tableMoves() {
  static const TableMoves moves = [] {
    const SuffixTables& t = suffixTables();
    TableMoves m;
    m.corners = translations(t.corners);
    m.secondRing = translations(t.secondRing);
    m.sides = translations(t.sides);
    m.spokes = translations(t.spokes);
    m.neighbours = translations({Text("A"), Text("B"), Text("C"), Text("D"), Text("E"), Text("F")});
    m.aroundAB = translations(t.aroundAB);
    m.aroundAF = translations(t.aroundAF);
    m.nextToAB = translations(t.nextToAB);
    m.nextToAF = translations(t.nextToAF);
    return m;
  }();
  return moves;
}

HexPath basePath(TextView label) {
  HexPath path;
  parsePath(path, pathPart(label));
  return path;
}

TextList movedBy(const HexPath& base, const std::vector<Translation>& moves) {
  TextList result;
  for (const Translation& m : moves)
    result.append(m.from(base));
  return result;
}

TextList cornersOf(TextView hexagon) {
  return movedBy(basePath(hexagon), tableMoves().corners);
}

TextList neighboursOf(TextView hexagon) {
  return movedBy(basePath(hexagon), tableMoves().neighbours);
}

TextList hexagonsAroundCorner(TextView corner) {
  const TableMoves& m = tableMoves();
  return movedBy(basePath(corner), isAb(corner) ? m.aroundAB : m.aroundAF);
}

TextList cornersNextTo(TextView corner) {
  const TableMoves& m = tableMoves();
  return movedBy(basePath(corner), isAb(corner) ? m.nextToAB : m.nextToAF);
}

int countCornersIn(TextView hexagon, const TextList& cells) {
  int n = 0;
  for (const Text& c : cornersOf(hexagon))
    n += cells.findSorted(c) > 0 ? 1 : 0;
  return n;
}

TextList peersOf(TextView corner, const TextList& cells) {
  const Text self(corner);  // corner may point into a list that changes below
  TextList peers;
  for (const Text& h : hexagonsAroundCorner(self)) {
    for (const Text& c : cornersOf(h)) {
      if (cells.findSorted(c) > 0 && !c.equalsIgnoreCase(self)) peers.append(c);
    }
  }
  peers.sortUnique();
  return peers;
}

int stepsIn(TextView label, TextView letters) {
  TextView path = pathPart(label);
  if (!path.empty() && path.view().front() == 'X') path = path.view().substr(1);
  HexPath p;
  parsePath(p, path);
  return stepsIn(p, letters);
}

}  // namespace qiro
