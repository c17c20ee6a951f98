// The grid designer: random solutions, clue percentages by level, definition lines.
#include "designer.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "game/levels.h"
#include "game/solver.h"
#include "hexagon/labels.h"

namespace qiro {

namespace {

std::size_t at(int cell) {
  return static_cast<std::size_t>(cell);
}

// Share of the cells beyond the hardest givens that each easier threshold adds.
constexpr double kExtraShare[] = {0.06, 0.12, 0.20, 0.28, 0.36};

// Fills the empty cells of values at random, keeping the rule; false when impossible.
bool fillRandomly(const Puzzle& puzzle, std::vector<int>& values, std::mt19937& rng) {
  int best = 0;
  NumberSet bestFree = 0;
  int fewest = kHighestNumber + 1;
  for (int c = 1; c <= puzzle.cellCount(); ++c) {
    if (values[at(c)] != 0) continue;
    NumberSet free = kAllNumbers;
    for (int p : puzzle.peers[at(c)]) {
      if (values[at(p)] != 0) free &= allButNumberSet(values[at(p)]);
    }
    const int k = bitCount(free);
    if (k < fewest) {
      fewest = k;
      best = c;
      bestFree = free;
    }
  }
  if (best == 0) return true;
  std::array<int, kHighestNumber> order{1, 2, 3, 4, 5, 6};
  std::shuffle(order.begin(), order.end(), rng);
  for (int n : order) {
    if (!hasNumber(bestFree, n)) continue;
    values[at(best)] = n;
    if (fillRandomly(puzzle, values, rng)) return true;
  }
  values[at(best)] = 0;
  return false;
}

bool unique(const Puzzle& base, const std::vector<int>& givens) {
  Puzzle p = base;
  p.values = givens;
  return solvePuzzle(p).solutions == 1;
}

Grade gradeOf(const Puzzle& base, const std::vector<int>& givens) {
  Puzzle p = base;
  p.values = givens;
  return solvePuzzle(p).grade;
}

int givenCount(const std::vector<int>& givens) {
  return static_cast<int>(
      std::count_if(givens.begin() + 1, givens.end(), [](int v) { return v != 0; }));
}

// Adds randomly chosen cells of the solution to givens until `target` are given.
void addGivens(std::vector<int>& givens, const std::vector<int>& solution, int target,
               std::mt19937& rng) {
  std::vector<int> open;
  for (int c = 1; c < static_cast<int>(givens.size()); ++c) {
    if (givens[at(c)] == 0) open.push_back(c);
  }
  std::shuffle(open.begin(), open.end(), rng);
  for (int c : open) {
    if (givenCount(givens) >= target) break;
    givens[at(c)] = solution[at(c)];
  }
}

// The hexagon or cell token of a label: compact path, then the corner and value.
std::string cellToken(TextView label, int value) {
  const Text compact = canonicalLabel(label, 'C');
  std::string token(pathPart(compact).view());
  token += contains(label, ":AB") ? 'W' : 'V';
  token += static_cast<char>('J' + value - 1);
  token += 'J';  // the character after the value, which readers skip
  return token;
}

struct Item {
  int clue;  // the group's "%" suffix, 0 for none
  std::string token;
};

// The length of an item in a line whose current suffix is `suffix`: its token, and the
// "%" token that must come before it when its group starts there.
std::size_t costOf(const Item& item, int suffix) {
  return item.token.size() + (item.clue != suffix ? 2 + std::to_string(item.clue).size() : 0);
}

// Items laid out greedily in lines of at most width characters.
std::vector<std::vector<const Item*>> linesAt(const std::vector<Item>& items, int width) {
  std::vector<std::vector<const Item*>> lines;
  std::size_t length = 0;
  int suffix = 0;
  for (const Item& item : items) {
    if (lines.empty() || length + 1 + costOf(item, suffix) > static_cast<std::size_t>(width)) {
      lines.emplace_back();
      length = 0;
      suffix = 0;  // a suffix never carries into the next line
    }
    length += (length == 0 ? 0 : 1) + costOf(item, suffix);
    suffix = item.clue;
    lines.back().push_back(&item);
  }
  return lines;
}

std::string written(const std::vector<const Item*>& line) {
  std::string text;
  int suffix = 0;
  for (const Item* item : line) {
    if (item->clue != suffix) {
      text += (text.empty() ? "" : ",") + std::string("%") + std::to_string(item->clue);
      suffix = item->clue;
    }
    text += (text.empty() ? "" : ",") + item->token;
  }
  return text;
}

}  // namespace

std::vector<int> designThresholds(bool levelSeven) {
  std::vector<int> t = {100, 95, 90, 85, 80, 75};
  if (levelSeven) t.insert(t.begin(), 120);
  return t;
}

std::optional<Design> designGrid(const TextList& hexagons, const DesignOptions& options,
                                 std::string& error) {
  Grid grid;
  grid.setfromgrivecdef(hexagons);
  grid.ensureCellRecords();
  const int n = grid.cellCount();
  if (n == 0) {
    error = "no cells: name at least one hexagon";
    return std::nullopt;
  }
  std::mt19937 rng(options.seed);
  const Puzzle base = puzzleOf(grid, std::vector<int>(at(n) + 1, 0));

  Design design;
  design.solution.assign(at(n) + 1, 0);
  if (!fillRandomly(base, design.solution, rng)) {
    error = "these hexagons have no solution";
    return std::nullopt;
  }

  // The hardest level: remove givens in random order while the solution stays unique.
  std::vector<int> givens = design.solution;
  std::vector<int> order(at(n));
  std::iota(order.begin(), order.end(), 1);
  std::shuffle(order.begin(), order.end(), rng);
  for (int c : order) {
    const int kept = givens[at(c)];
    givens[at(c)] = 0;
    if (!unique(base, givens)) givens[at(c)] = kept;
  }

  const std::vector<int> thresholds = designThresholds(options.levelSeven);
  const int easiest = levelPercentage(std::min(6, 1 + shapeOffsetOf(grid)));
  design.clues.assign(at(n) + 1, 0);
  const int fewest = givenCount(givens);
  std::size_t extra = 0;
  for (std::size_t i = 0; i < thresholds.size(); ++i) {
    const int t = thresholds[i];
    if (t < 100) {
      const double share = kExtraShare[std::min(extra++, std::size(kExtraShare) - 1)];
      addGivens(givens, design.solution,
                fewest + static_cast<int>(std::lround(share * (n - fewest))), rng);
    } else if (t == 100 && options.levelSeven) {
      addGivens(givens, design.solution, fewest + std::max(1, (n - fewest) / 20), rng);
    }
    // Level 1, as the game plays it on this shape, must be solvable cell by cell.
    while (t == easiest && gradeOf(base, givens) != Grade::kEasy) {
      addGivens(givens, design.solution, givenCount(givens) + 1, rng);
    }
    for (int c = 1; c <= n; ++c) {
      if (givens[at(c)] != 0 && design.clues[at(c)] == 0) design.clues[at(c)] = t;
    }
  }

  const auto lines = layOutLines(grid, design, options.lines, options.width);
  if (!lines) {
    error = "the tokens do not fit the number of lines asked for";
    return std::nullopt;
  }
  design.lines = *lines;
  return design;
}

std::optional<std::vector<std::string>> layOutLines(const Grid& grid, const Design& design,
                                                    int lines, int width) {
  std::vector<Item> items;
  for (const Text& h : grid.hexagonList()) {
    items.push_back({0, "X" + std::string(canonicalLabel(h, 'C').view())});
  }
  std::vector<int> cells(at(grid.cellCount()));
  std::iota(cells.begin(), cells.end(), 1);
  std::stable_sort(cells.begin(), cells.end(),
                   [&](int a, int b) { return design.clues[at(a)] < design.clues[at(b)]; });
  for (int c : cells) {
    items.push_back(
        {design.clues[at(c)], cellToken(grid.cellList().item(c), design.solution[at(c)])});
  }

  std::vector<std::vector<const Item*>> laid = linesAt(items, width);
  if (lines > 0) {
    // The widest layout that needs no more lines than asked, then split the longest
    // lines until there are exactly as many.
    for (int w = width; w > 20 && static_cast<int>(laid.size()) < lines; --w) {
      auto narrower = linesAt(items, w);
      if (static_cast<int>(narrower.size()) > lines) break;
      laid = std::move(narrower);
    }
    if (static_cast<int>(laid.size()) > lines) return std::nullopt;
    while (static_cast<int>(laid.size()) < lines) {
      auto longest = std::max_element(laid.begin(), laid.end(), [](const auto& a, const auto& b) {
        return a.size() < b.size();
      });
      if (longest->size() < 2) return std::nullopt;
      std::vector<const Item*> tail(longest->begin() + static_cast<long>(longest->size() / 2),
                                    longest->end());
      longest->resize(longest->size() / 2);
      laid.insert(longest + 1, std::move(tail));
    }
  }
  std::vector<std::string> texts;
  texts.reserve(laid.size());
  for (const auto& line : laid)
    texts.push_back(written(line));
  for (const std::string& t : texts) {
    if (static_cast<int>(t.size()) > width) return std::nullopt;
  }
  return texts;
}

}  // namespace qiro
