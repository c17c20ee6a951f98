// The suffix tables as translations, built once, for the list-building code.
#pragma once

#include <vector>

#include "hexagon/labels.h"
#include "text/text_list.h"

namespace qiro {

struct TableMoves {
  std::vector<Translation> corners, secondRing, sides, spokes, neighbours;
  std::vector<Translation> aroundAB, aroundAF, nextToAB, nextToAF;
};
const TableMoves& tableMoves();

// The path of a label (its part before ":"), parsed.
HexPath basePath(TextView label);

// Every move applied to base, in order.
TextList movedBy(const HexPath& base, const std::vector<Translation>& moves);

}  // namespace qiro
