// The lists derived from a grid's hexagons and cells: cells, touching, full and partial
// hexagons, peers, the lines the painter draws, holes and the outer boundary.
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "hexagon/hex_path.h"
#include "hexagon/labels.h"
#include "hexagon/neighbourhood.h"
#include "moves.h"

namespace qiro {

namespace {

// Index 0, 1, 2 for a line whose letter is A, B or C.
int letterIndex(TextView line) {
  const std::string_view v = line.view();
  return v.empty() ? -1 : v.back() - 'A';
}

// The lines of a table appended to every full hexagon, by letter.
std::array<TextList, 3> linesByLetter(const TextList& full, const std::vector<Translation>& table) {
  std::array<TextList, 3> lists;
  for (const Text& h : full) {
    const HexPath base = basePath(h);
    for (const Translation& m : table) {
      Text line = m.from(base);
      const int i = letterIndex(line);
      if (i >= 0 && i < 3) lists[static_cast<std::size_t>(i)].append(std::move(line));
    }
  }
  return lists;
}

// The hexagon a line ends at, followed by ":".
Text endOf(TextView line) {
  Text steps(pathPart(line));
  Text letters(suffixPart(line));
  dropFront(letters, 1);
  steps.append(letters);
  Text end = canonicalLabel(steps);
  end.append(":");
  return end;
}

// Joins lines that continue one another into single chains, until none continues.
// Every line of a list starts at a different hexagon, so the list stays sorted by its
// starting hexagon while lines grow, and the line that starts where another ends can
// be found by bisection.
void chain(TextList& lines) {
  lines.sort();
  for (bool changed = true; changed;) {
    changed = false;
    for (int i = lines.count(); i >= 1; --i) {
      if (i > lines.count()) continue;
      const Text end = endOf(lines.item(i));
      const int j = lines.firstNotBefore(end);
      if (j == i || j > lines.count() || !startsWith(lines.item(j), end)) continue;
      Text letters(suffixPart(lines.item(j)));
      dropFront(letters, 1);
      lines.item(i)->append(letters);
      lines.removeAt(j);
      changed = true;
    }
  }
}

}  // namespace

void addCornersOf(const TextList& hexagons, TextList& cells) {
  for (const Text& h : hexagons) {
    for (const Text& c : cornersOf(h))
      cells.append(c);
  }
  cells.sortUnique();
}

TextList touchingHexagons(const TextList& cells) {
  TextList touching;
  for (const Text& c : cells) {
    for (const Text& h : hexagonsAroundCorner(c))
      touching.append(h);
  }
  touching.sortUnique();
  return touching;
}

void classifyHexagons(const TextList& cells, const TextList& touching, TextList& full,
                      TextList& partial) {
  partial.clear();
  for (const Text& h : touching) {
    const int n = countCornersIn(h, cells);
    if (n == 6) {
      full.append(h);
    } else if (n >= 3) {
      partial.append(h);
    }
  }
  full.sortUnique();
  partial.sortUnique();
}

TextList peerLines(const TextList& cells) {
  return peerLines(cells, touchingHexagons(cells));
}

TextList peerLines(const TextList& cells, const TextList& touching) {
  // Every pair of cells on one touching hexagon are peers: one pass over the hexagons
  // instead of three hexagons per cell.
  std::vector<std::vector<int>> peers(static_cast<std::size_t>(cells.count()) + 1);
  for (const Text& h : touching) {
    std::vector<int> on;
    for (const Text& c : cornersOf(h)) {
      if (const int n = cells.findSorted(c); n > 0) on.push_back(n);
    }
    for (int a : on) {
      for (int b : on) {
        if (a != b) peers[static_cast<std::size_t>(a)].push_back(b);
      }
    }
  }
  TextList lines;
  for (int n = 1; n <= cells.count(); ++n) {
    std::vector<int>& p = peers[static_cast<std::size_t>(n)];
    std::sort(p.begin(), p.end());  // cell numbers follow the plain order of the labels
    p.erase(std::unique(p.begin(), p.end()), p.end());
    Text line;
    line.assign(cells.item(n), ",  ");
    for (int peer : p)
      line.append(cells.item(peer), ",");
    lines.append(std::move(line));
  }
  return lines;
}

void edgeLines(const TextList& full, TextList& links1, TextList& links2) {
  std::array<TextList, 3> inner = linesByLetter(full, tableMoves().sides);
  std::array<TextList, 3> outline = linesByLetter(full, tableMoves().spokes);
  for (std::size_t k = 0; k < 3; ++k) {
    TextList& set = inner[k];
    TextList& border = outline[k];
    set.sortUnique();
    for (int i = border.count(); i >= 1; --i) {
      if (set.findSorted(border.item(i)) > 0) border.removeAt(i);
    }
    // A line on the outline of two full hexagons lies inside the grid.
    border.sort();
    for (int i = border.count(); i >= 2; --i) {
      if (border.item(i)->equalsIgnoreCase(border.item(i - 1))) {
        set.append(border.item(i));
        border.removeAt(i);
        border.removeAt(i - 1);
        --i;
      }
    }
    set.sortUnique();
    border.sortUnique();
    chain(set);
    chain(border);
  }
  links1.clear();
  links2.clear();
  for (std::size_t k = 0; k < 3; ++k) {
    links1.appendAllFrom(inner[k]);
    links2.appendAllFrom(outline[k]);
  }
}

void holeAndBoundary(const TextList& full, const TextList& cells, TextList& holes,
                     TextList& boundary) {
  holes.clear();
  boundary.clear();
  for (const Text& h : full) {
    const HexPath base = basePath(h);
    for (const Translation& m : tableMoves().secondRing) {
      Text corner = m.from(base);
      if (cells.findSorted(corner) == 0) holes.append(std::move(corner));
    }
  }
  holes.sortUnique();

  // The outermost corner in each of the six directions lies outside the grid.
  for (const char* pair : {"AB", "BC", "CD", "DE", "EF", "FA"}) {
    if (holes.isEmpty()) break;
    int best = 1;
    int most = 0;
    for (int i = holes.count(); i >= 1; --i) {
      const int n = stepsIn(holes.item(i), pair);
      if (n > most) {
        most = n;
        best = i;
      }
    }
    holes.moveItemTo(best, boundary);
  }

  // Everything connected to those extremes is outside too; the rest is enclosed.
  TextList queue;
  boundary.moveAllTo(queue);
  Text corner;
  while (queue.isNotEmpty()) {
    queue.popFront(corner);
    for (const Text& next : cornersNextTo(corner)) {
      const int at = holes.findSorted(next);
      if (at > 0) holes.moveItemTo(at, queue);
    }
    boundary.append(corner);
  }
  holes.sortUnique();
  boundary.sortUnique();
}

}  // namespace qiro
