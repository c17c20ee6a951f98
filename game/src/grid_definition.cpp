// Reading a grid definition into the hexagon list, the cell list and the solution map.
#include "game/grid.h"
#include "game/hex_label.h"
#include "text/scratch.h"
#include "text/tokens.h"

namespace qiro {

void Grid::setfromgrivecdef(const TextList& definition) {
  TextList tokens = definition;  // definition may be this grid's own list
  clearGridData();
  hexagons_.clear();
  hexagonCount_ = 0;
  allHexagonCount_ = 0;
  definition_ = std::move(tokens);

  for (const Text& token : definition_) {
    const HexLabel label = parseHexLabel(token);
    if (label.isHexagon) hexagons_.append(hexagonLabelOf(label));
    if (!label.isCell) continue;
    const Text cell = cellLabelOf(label);
    cellLabels_.append(cell);
    if (label.value == 0) continue;
    Text entry;
    entry.assign(numberText(label.value), ",", numberText(label.clue));
    setValue(solutionMap_, cell, entry);
    hasSolution_ = true;
  }
  cellLabels_.sortUnique();
  hexagons_.sortUnique();
  deriveCells();
}

}  // namespace qiro
