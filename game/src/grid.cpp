// Grid: construction, reset, and the lookups and accessors of cells and hexagons.
#include "game/grid.h"

#include "text/scratch.h"

namespace qiro {

Grid::Grid() {
  resetGrid('C');
}

void Grid::resetGrid(char mode) {
  clearGridData();
  hexagons_.clear();
  definition_.clear();
  if (mode == 'C') levels_ = GridLevels{};
  hexagonCount_ = 0;
  allHexagonCount_ = 0;
  name_.clear();
  polygonStyle_ = false;
  fullHexagonsOnly_ = false;
  hexagonRule_ = true;
  rotation_ = 0;
  levels_.selectedThreshold = 100;
  levels_.effectiveThreshold = 100;
  levels_.appliedThreshold = 0;
  setHexagonSize(40, false);
  computeMarkTable();
}

void Grid::clearGridData() {
  centres_.clear();
  cells_.clear();
  for (auto& table : peerTables_)
    table.clear();
  activePeerTable_ = 0;
  cellLabels_.clear();
  partial_.clear();
  touching_.clear();
  peerLines_.clear();
  links1_.clear();
  links2_.clear();
  holes_.clear();
  boundary_.clear();
  solutionMap_.clear();
  hasSolution_ = false;
  flags_ = GridFlags{};
  // The counts follow the lists that remain.
  cellCount_ = 0;
  partialCount_ = 0;
  allHexagonCount_ = hexagonCount_;
  touchingCount_ = 0;
  maxRow_ = 0;
  maxColumn_ = 0;
}

void Grid::setName(TextView name) {
  name_.assign(name);
}

int Grid::findCell(TextView label) const {
  return cellLabels_.findSorted(label);
}

int Grid::findHexagon(TextView label) const {
  return hexagons_.findSorted(label);
}

GridCell* Grid::cellRecord(int c) {
  return namesCell(c) ? &cells_[static_cast<std::size_t>(c)] : nullptr;
}

const GridCell* Grid::cellRecord(int c) const {
  return namesCell(c) ? &cells_[static_cast<std::size_t>(c)] : nullptr;
}

int Grid::cellValue(int c) const {
  return fieldOf(c, &GridCell::value);
}

void Grid::setCellValue(int c, int n) {
  if (GridCell* cell = cellRecord(c)) cell->value = n;
}

bool Grid::isGiven(int c) const {
  return fieldOf(c, &GridCell::given);
}

void Grid::clearGiven(int c) {
  if (GridCell* cell = cellRecord(c)) cell->given = false;
}

bool Grid::cellIsEmpty(int c) const {
  const GridCell* cell = cellRecord(c);
  return cell != nullptr && cell->value <= 0;
}

bool Grid::cellIsFilled(int c) const {
  const GridCell* cell = cellRecord(c);
  return cell != nullptr && cell->value > 0;
}

NumberSet Grid::allowedSet(int c) const {
  return fieldOf(c, &GridCell::allowed);
}

void Grid::setAllowedSet(int c, NumberSet s) {
  if (GridCell* cell = cellRecord(c)) cell->allowed = s;
}

NumberSet Grid::marksOf(int c) const {
  return fieldOf(c, &GridCell::marks);
}

void Grid::setMarks(int c, NumberSet s) {
  if (GridCell* cell = cellRecord(c)) cell->marks = s & kAllNumbers;
}

int Grid::cellX(int c) const {
  return fieldOf(c, &GridCell::x);
}

int Grid::cellY(int c) const {
  return fieldOf(c, &GridCell::y);
}

Point Grid::hexagonCentre(int h) const {
  if (h < 1 || h > allHexagonCount_ || h >= std::ssize(centres_)) return {};
  return centres_[static_cast<std::size_t>(h)];
}

int Grid::peer(int c, int k) const {
  const auto& table = peerTables_[static_cast<std::size_t>(activePeerTable_)];
  if (c < 1 || c >= std::ssize(table) || k < 0 || k >= kPeerSlots) return 0;
  return table[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)];
}

bool Grid::isAbVertex(TextView label) {
  return contains(label, ":AB");
}

bool Grid::isAbCell(int c) const {
  return isAbVertex(cellLabels_.item(c));
}

Text Grid::cellName(int c, bool withColumn, TextView separator) const {
  Text name;
  const GridCell* cell = cellRecord(c);
  if (cell == nullptr) return name;
  name.assign("L", numberText(cell->row), separator);
  if (withColumn) {
    name.append("C", numberText(cell->column));
  } else {
    name.append("-P", numberText(cell->columnRank));
  }
  return name;
}

bool Grid::allFilled() const {
  for (int c = 1; c <= cellCount_; ++c) {
    if (!cellIsFilled(c)) return false;
  }
  return true;
}

}  // namespace qiro
