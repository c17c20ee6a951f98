// Boards as strings: a grid built from its comma-separated definition tokens.
#pragma once

#include <string>
#include <vector>

#include "game/grid.h"
#include "text/tokens.h"

namespace qiro {

inline TextList definitionOf(const char* tokens) {
  Text rest(tokens);
  TextList definition;
  Text token;
  while (rest.isNotEmpty()) {
    popToken(token, rest);
    definition.append(token);
  }
  return definition;
}

// The grid ready for play, with its peer tables and hole lists.
inline Grid gridOf(const char* tokens) {
  Grid grid;
  grid.setfromgrivecdef(definitionOf(tokens));
  grid.prepareForPlay();
  grid.ftbco();
  grid.ensureHoleLists();
  return grid;
}

inline std::vector<std::string> labelsOf(const TextList& list) {
  std::vector<std::string> labels;
  for (const Text& label : list)
    labels.emplace_back(label.view());
  return labels;
}

inline std::vector<int> peersOf(const Grid& grid, int c) {
  std::vector<int> peers;
  for (int k = 0; k < kMaxPeers && grid.peer(c, k) != 0; ++k)
    peers.push_back(grid.peer(c, k));
  return peers;
}

}  // namespace qiro
