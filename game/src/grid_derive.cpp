// Deriving a grid's cells, hexagons, records, peers and line lists, each on demand.
#include <algorithm>
#include <string_view>

#include "game/game_state.h"
#include "game/grid.h"
#include "game/levels.h"
#include "hexagon/labels.h"
#include "hexagon/neighbourhood.h"

namespace qiro {

void Grid::deriveCells() {
  if (flags_.cellsDerived) return;
  TextList canonical;
  for (const Text& hexagon : hexagons_)
    canonical.append(canonicalLabel(hexagon));
  canonical.sortUnique();
  hexagons_ = std::move(canonical);

  addCornersOf(hexagons_, cellLabels_);
  cellCount_ = cellLabels_.count();
  buildTouchingList();
  // Hexagons closed by cells named one by one become full as well.
  partial_.clear();
  classifyHexagons(cellLabels_, touching_, hexagons_, partial_);
  if (fullHexagonsOnly_) partial_.clear();
  hexagonCount_ = hexagons_.count();
  partialCount_ = partial_.count();
  allHexagonCount_ = hexagonCount_ + partialCount_;
  flags_.cellsDerived = true;
}

void Grid::buildTouchingList() {
  touching_ = touchingHexagons(cellLabels_);
  touchingCount_ = touching_.count();
  flags_.touchingValid = true;
}

void Grid::ensureTouchingList() {
  deriveCells();
  if (!flags_.touchingValid) buildTouchingList();
}

void Grid::ensureHexagonTable() {
  deriveCells();
  if (hasHexagonTable()) return;
  centres_.assign(static_cast<std::size_t>(allHexagonCount_) + 1, Point{});
}

void Grid::ensureCellRecords() {
  deriveCells();
  if (hasCellArray()) return;
  // Fresh records need their positions and their level applied again.
  flags_.positionsValid = false;
  flags_.solutionLoaded = false;
  levels_.appliedThreshold = 0;
  // Allowed sets stay empty until they are recomputed before the first move.
  cells_.assign(static_cast<std::size_t>(cellCount_) + 1, GridCell{});
  computeRowsAndColumns();
}

void Grid::computeRowsAndColumns() {
  maxRow_ = 0;
  maxColumn_ = 0;
  if (cellCount_ == 0) return;
  int minRow = 0;
  int minColumn = 0;
  for (int c = 1; c <= cellCount_; ++c) {
    const TextView label = cellLabels_.item(c);
    const Walk walk = walkRowColumn(label);
    GridCell& cell = cells_[static_cast<std::size_t>(c)];
    cell.column = walk.x + 1;
    cell.row = 1 - walk.y + (endsWith(label, ":AF") ? 1 : 0);
    minRow = c == 1 ? cell.row : std::min(minRow, cell.row);
    minColumn = c == 1 ? cell.column : std::min(minColumn, cell.column);
  }
  for (int c = 1; c <= cellCount_; ++c) {
    GridCell& cell = cells_[static_cast<std::size_t>(c)];
    cell.row += 1 - minRow;
    cell.column += 1 - minColumn;
    cell.columnRank = cell.column;
    maxRow_ = std::max(maxRow_, cell.row);
    maxColumn_ = std::max(maxColumn_, cell.column);
  }
}

void Grid::ensurePositions() {
  ensureCellRecords();
  ensureHexagonTable();
  if (flags_.positionsValid) return;
  const HexShape& shape = shape_.shape;
  for (int c = 1; c <= cellCount_; ++c) {
    const Point at = cellPosition(shape, cellLabels_.item(c));
    cells_[static_cast<std::size_t>(c)].x = at.x;
    cells_[static_cast<std::size_t>(c)].y = at.y;
  }
  for (int h = 1; h <= allHexagonCount_; ++h) {
    const TextView label =
        h <= hexagonCount_ ? hexagons_.item(h) : partial_.item(h - hexagonCount_);
    centres_[static_cast<std::size_t>(h)] = hexagonPosition(shape, label);
  }
  flags_.positionsValid = true;
}

void Grid::ftbco() {
  deriveCells();
  if (hasPeerTables()) return;
  if (!flags_.peerListValid) {
    peerLines_ = peerLines(cellLabels_);
    flags_.peerListValid = true;
  }
  creatbco();
}

namespace {

// The next comma-separated label of a peer line, without the blanks round it.
std::string_view popLabel(std::string_view& rest) {
  const std::size_t comma = rest.find(',');
  std::string_view label = rest.substr(0, comma);
  rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  while (label.starts_with(' '))
    label.remove_prefix(1);
  while (label.ends_with(' '))
    label.remove_suffix(1);
  return label;
}

}  // namespace

void Grid::creatbco() {
  std::vector<PeerSlots> table(static_cast<std::size_t>(cellCount_) + 1, PeerSlots{});
  for (const Text& line : peerLines_) {
    std::string_view rest = line.view();
    const int c = findCell(popLabel(rest));
    if (c == 0) continue;
    PeerSlots& slots = table[static_cast<std::size_t>(c)];
    const auto first = slots.begin();
    int used = 0;
    while (!rest.empty() && used < kMaxPeers) {
      const int p = findCell(popLabel(rest));
      if (p != 0 && std::find(first, first + used, p) == first + used)
        slots[static_cast<std::size_t>(used++)] = p;
    }
  }
  peerTables_[1] = table;
  peerTables_[0] = std::move(table);
  activePeerTable_ = 0;
}

void Grid::ensureEdgeLines() {
  deriveCells();
  if (flags_.edgeLinesValid) return;
  links1_.clear();
  links2_.clear();
  edgeLines(hexagons_, links1_, links2_);
  flags_.edgeLinesValid = true;
}

void Grid::ensureHoleLists() {
  deriveCells();
  if (flags_.holeListsValid) return;
  holes_.clear();
  boundary_.clear();
  holeAndBoundary(hexagons_, cellLabels_, holes_, boundary_);
  flags_.holeListsValid = true;
}

void Grid::prepareForPlay() {
  deriveCells();
  ensureTouchingList();
  ensureHexagonTable();
  ensureCellRecords();
  ensurePositions();
  applyLevel(*this);
  // After the level, which empties every cell that is not given.
  replayQueued(*this);
  ensureEdgeLines();
}

}  // namespace qiro
