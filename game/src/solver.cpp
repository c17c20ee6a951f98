// The solver: constraint propagation with backtracking over bit sets of candidates.
#include "game/solver.h"

#include <bit>

#include "hexagon/neighbourhood.h"
#include "text/tokens.h"

namespace qiro {

namespace {

std::size_t at(int cell) {
  return static_cast<std::size_t>(cell);
}

// The candidates of every cell, and which cells have had their number taken from their
// peers already.
struct State {
  std::vector<NumberSet> candidates;
  std::vector<char> placed;
};

class Search {
 public:
  Search(const Puzzle& puzzle, bool hexagonSingles)
      : puzzle_(puzzle), hexagonSingles_(hexagonSingles) {}

  // The state of the givens; false when they already contradict each other.
  bool start(State& s) const {
    const std::size_t size = at(puzzle_.cellCount()) + 1;
    s.candidates.assign(size, kAllNumbers);
    s.placed.assign(size, 0);
    for (int cell = 1; cell <= puzzle_.cellCount(); ++cell) {
      const int v = puzzle_.values[at(cell)];
      if (v >= 1 && v <= kHighestNumber && !place(s, cell, v)) return false;
    }
    return true;
  }

  // Applies the techniques until nothing changes; false on a contradiction.
  bool propagate(State& s) const {
    for (bool changed = true; changed;) {
      changed = false;
      for (int cell = 1; cell <= puzzle_.cellCount(); ++cell) {
        const NumberSet set = s.candidates[at(cell)];
        if (set == 0) return false;
        if (std::popcount(set) == 1 && s.placed[at(cell)] == 0) {
          if (!place(s, cell, std::countr_zero(set) + 1)) return false;
          changed = true;
        }
      }
      if (hexagonSingles_ && !hexagonSingles(s, changed)) return false;
    }
    return true;
  }

  bool solved(const State& s) const {
    for (int cell = 1; cell <= puzzle_.cellCount(); ++cell) {
      if (std::popcount(s.candidates[at(cell)]) != 1) return false;
    }
    return true;
  }

  // Counts solutions up to two, keeping the first found.
  void count(State s, int& found, std::vector<int>& first) const {
    if (found >= 2 || !propagate(s)) return;
    int best = 0;
    int fewest = kHighestNumber + 1;
    for (int cell = 1; cell <= puzzle_.cellCount(); ++cell) {
      const int k = std::popcount(s.candidates[at(cell)]);
      if (k > 1 && k < fewest) {
        fewest = k;
        best = cell;
      }
    }
    if (best == 0) {
      if (++found == 1) first = valuesOf(s);
      return;
    }
    for (int n = 1; n <= kHighestNumber && found < 2; ++n) {
      if (!hasNumber(s.candidates[at(best)], n)) continue;
      State trial = s;
      if (place(trial, best, n)) count(std::move(trial), found, first);
    }
  }

 private:
  // Fixes n in cell and takes it from the peers; false when that empties a peer.
  bool place(State& s, int cell, int n) const {
    if (!hasNumber(s.candidates[at(cell)], n)) return false;
    s.candidates[at(cell)] = singleNumberSet(n);
    s.placed[at(cell)] = 1;
    for (int p : puzzle_.peers[at(cell)]) {
      s.candidates[at(p)] &= allButNumberSet(n);
      if (s.candidates[at(p)] == 0) return false;
    }
    return true;
  }

  // A number that fits only one corner of a full hexagon goes there.
  bool hexagonSingles(State& s, bool& changed) const {
    for (const auto& corners : puzzle_.fullHexagons) {
      for (int n = 1; n <= kHighestNumber; ++n) {
        int only = 0;
        int count = 0;
        for (int cell : corners) {
          if (hasNumber(s.candidates[at(cell)], n)) {
            only = cell;
            ++count;
          }
        }
        if (count == 0) return false;
        if (count == 1 && s.placed[at(only)] == 0) {
          if (!place(s, only, n)) return false;
          changed = true;
        }
      }
    }
    return true;
  }

  std::vector<int> valuesOf(const State& s) const {
    std::vector<int> v(s.candidates.size(), 0);
    for (int cell = 1; cell <= puzzle_.cellCount(); ++cell) {
      v[at(cell)] = std::countr_zero(s.candidates[at(cell)]) + 1;
    }
    return v;
  }

  const Puzzle& puzzle_;
  bool hexagonSingles_;
};

// Whether propagation alone, with or without hexagon singles, solves the puzzle.
bool solvesByPropagation(const Puzzle& puzzle, bool hexagonSingles) {
  const Search search(puzzle, hexagonSingles);
  State s;
  return search.start(s) && search.propagate(s) && search.solved(s);
}

// The solution number and clue of a solution map entry ("label=solution,clue").
struct Entry {
  int cell = 0;
  int solution = 0;
  int clue = 0;
};

std::vector<Entry> entriesOf(const Grid& grid) {
  std::vector<Entry> entries;
  const TextList& map = grid.solutionMap();
  Text label;
  Text value;
  for (int i = 1; i <= map.count(); ++i) {
    splitEntry(map, i, label, value);
    Entry e;
    e.cell = grid.findCell(label);
    e.solution = popInteger(value);
    e.clue = popInteger(value);
    if (e.cell > 0) entries.push_back(e);
  }
  return entries;
}

}  // namespace

Puzzle puzzleOf(Grid& grid, const std::vector<int>& givens) {
  grid.ftbco();
  Puzzle puzzle;
  const int n = grid.cellCount();
  puzzle.values.assign(at(n) + 1, 0);
  puzzle.peers.assign(at(n) + 1, {});
  for (int c = 1; c <= n; ++c) {
    if (at(c) < givens.size()) puzzle.values[at(c)] = givens[at(c)];
    for (int k = 0; k < kMaxPeers && grid.peer(c, k) != 0; ++k) {
      puzzle.peers[at(c)].push_back(grid.peer(c, k));
    }
  }
  for (const Text& hexagon : grid.hexagonList()) {
    std::array<int, 6> corners{};
    std::size_t i = 0;
    for (const Text& corner : cornersOf(hexagon))
      corners[i++] = grid.findCell(corner);
    puzzle.fullHexagons.push_back(corners);
  }
  return puzzle;
}

std::vector<int> givensAt(const Grid& grid, int threshold) {
  std::vector<int> givens(at(grid.cellCount()) + 1, 0);
  for (const Entry& e : entriesOf(grid)) {
    if (e.clue >= threshold) givens[at(e.cell)] = e.solution;
  }
  return givens;
}

std::vector<int> solutionOf(const Grid& grid) {
  std::vector<int> values(at(grid.cellCount()) + 1, 0);
  for (const Entry& e : entriesOf(grid))
    values[at(e.cell)] = e.solution;
  return values;
}

std::string_view gradeWord(Grade grade) {
  switch (grade) {
    case Grade::kEasy:
      return "easy";
    case Grade::kMedium:
      return "medium";
    case Grade::kHard:
      return "hard";
    case Grade::kNone:
      break;
  }
  return "none";
}

SolveResult solvePuzzle(const Puzzle& puzzle) {
  SolveResult result;
  const Search search(puzzle, true);
  State s;
  if (!search.start(s)) return result;
  search.count(std::move(s), result.solutions, result.solution);
  if (result.solutions != 1) {
    result.grade = Grade::kNone;
  } else if (solvesByPropagation(puzzle, false)) {
    result.grade = Grade::kEasy;
  } else if (solvesByPropagation(puzzle, true)) {
    result.grade = Grade::kMedium;
  } else {
    result.grade = Grade::kHard;
  }
  return result;
}

bool breaksRule(const Puzzle& puzzle, const std::vector<int>& values) {
  for (int c = 1; c <= puzzle.cellCount() && at(c) < values.size(); ++c) {
    for (int p : puzzle.peers[at(c)]) {
      if (values[at(c)] != 0 && at(p) < values.size() && values[at(p)] == values[at(c)]) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace qiro
