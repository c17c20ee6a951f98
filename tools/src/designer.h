// The grid designer: a random solution for a set of hexagons and clue percentages that
// give exactly one solution at every level, written as definition lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/grid.h"
#include "text/text_list.h"

namespace qiro {

struct DesignOptions {
  std::uint32_t seed = 1;
  bool levelSeven = false;  // also give a harder set of givens at 120
  int lines = 0;            // exactly this many definition lines; 0 for as few as fit
  int width = 151;          // the longest a definition line may be
};

struct Design {
  std::vector<int> solution;  // per cell, entry 0 unused
  std::vector<int> clues;     // per cell: the highest threshold at which it is given, or 0
  std::vector<std::string> lines;
};

// The thresholds of the levels, hardest first.
std::vector<int> designThresholds(bool levelSeven);

// Designs the grid of the hexagon tokens; nothing and an error line when it cannot.
std::optional<Design> designGrid(const TextList& hexagons, const DesignOptions& options,
                                 std::string& error);

// Lays tokens out as definition lines of at most width characters: the hexagons, then
// the cells grouped under "%" clue tokens, in exactly `lines` lines when that is above 0.
std::optional<std::vector<std::string>> layOutLines(const Grid& grid, const Design& design,
                                                    int lines, int width);

}  // namespace qiro
