// Grid: one board's model: its definition, cells and hexagons, and the tables derived
// from them on demand.
#pragma once

#include <array>
#include <vector>

#include "game/number_set.h"
#include "hexagon/hit_tests.h"
#include "hexagon/shape.h"
#include "text/numeric.h"
#include "text/text.h"
#include "text/text_list.h"

namespace qiro {

struct GridCell {
  int x = 0;  // centre, relative to the board origin, y upward
  int y = 0;
  int row = 0;     // 1 at the top
  int column = 0;  // 1 at the left
  int columnRank = 0;
  int value = 0;  // 0 when empty
  NumberSet allowed = 0;
  NumberSet marks = 0;
  bool given = false;
  int solution = 0;  // 0 when the grid gives none
  int clue = 0;      // percentage
};

// Per cell: twelve slots for its peers, packed to the front, and three for a second
// neighbour relation that this game leaves empty.
constexpr int kPeerSlots = 15;
constexpr int kMaxPeers = 12;
using PeerSlots = std::array<int, kPeerSlots>;

// What decides the givens of a level.
struct GridLevels {
  int selectedThreshold = 100;
  int effectiveThreshold = 100;
  int appliedThreshold = 0;
  bool levelComputed = false;
  int shapeOffset = 0;
  int selectedLevel = 6;
  int effectiveLevel = 6;
  int shownLevel = 0;
};

// One flag per derived item; clearing one makes the next request rebuild the item.
struct GridFlags {
  bool cellsDerived = false;
  bool touchingValid = false;
  bool positionsValid = false;
  bool edgeLinesValid = false;
  bool holeListsValid = false;
  bool peerListValid = false;
  bool solutionLoaded = false;
};

// Cells and hexagons are numbered from 1 in the plain order of their labels; the saved
// game depends on that numbering. Entry 0 of every table exists and names nothing. A
// cell or hexagon number that names nothing reads as 0 (or false) and changes nothing.
class Grid {
 public:
  Grid();

  // 'C' also puts the levels back to their start values; any other mode keeps them.
  // Both leave an empty grid of hexagon size 40 and rotation 0.
  void resetGrid(char mode);
  // Drops every derived list and table and the solution; the definition and hexagon
  // lists stay.
  void clearGridData();

  void setName(TextView name);
  // Reads a definition (a copy is kept as the definition list) into the hexagon list,
  // cell list and solution map, then derives the cells.
  void setfromgrivecdef(const TextList& definition);

  // Each runs only while its item is missing or invalid, after what it depends on.
  void deriveCells();
  void ensureTouchingList();
  void ensureHexagonTable();
  void ensureCellRecords();
  void ensurePositions();
  void ftbco();
  void ensureEdgeLines();
  void ensureHoleLists();
  // Rebuilds both peer tables from the peer list.
  void creatbco();
  // Everything a paint needs, in order.
  void prepareForPlay();

  // Geometry. Either change moves every position, so both invalidate them.
  void setHexagonSize(int size, bool polygonStyle);
  void setRotation(int degrees);
  const HexPolygon& hexagonShapeOf() const { return shape_; }
  Box boundingBox() const;
  // The mark table follows the shape only when asked, as after a load or a zoom.
  void computeMarkTable();
  const MarkTable& markTable() const { return markTable_; }
  Point markPosition(int c, int k) const;

  // Hit tests at a board point; numbers as for the lookups, 0 for none.
  int cellAt(int x, int y) const;
  int markAt(int c, int x, int y) const;
  int hexagonAt(int x, int y) const;
  int anyHexagonAt(int x, int y) const;
  int touchingHexagonAt(int x, int y);

  int findCell(TextView label) const;
  int findHexagon(TextView label) const;
  int cellValue(int c) const;
  void setCellValue(int c, int n);
  bool isGiven(int c) const;
  void clearGiven(int c);
  bool cellIsEmpty(int c) const;
  bool cellIsFilled(int c) const;
  NumberSet allowedSet(int c) const;
  void setAllowedSet(int c, NumberSet s);
  NumberSet marksOf(int c) const;
  void setMarks(int c, NumberSet s);
  int cellX(int c) const;
  int cellY(int c) const;
  Point hexagonCentre(int h) const;
  // Slot k of cell c in the active peer table.
  int peer(int c, int k) const;
  static bool isAbVertex(TextView label);
  bool isAbCell(int c) const;
  // "L3 C5" for row 3, column 5 with the separator " ".
  Text cellName(int c, bool withColumn, TextView separator) const;
  bool allFilled() const;

  // The record of cell c, or null when c names no record.
  GridCell* cellRecord(int c);
  const GridCell* cellRecord(int c) const;

  const Text& name() const { return name_; }
  int cellCount() const { return cellCount_; }
  int hexagonCount() const { return hexagonCount_; }
  int partialCount() const { return partialCount_; }
  int allHexagonCount() const { return allHexagonCount_; }
  int touchingCount() const { return touchingCount_; }
  int hexagonSize() const { return hexagonSize_; }
  int rotation() const { return rotation_; }
  int maxRow() const { return maxRow_; }
  int maxColumn() const { return maxColumn_; }
  bool polygonStyle() const { return polygonStyle_; }
  bool hexagonRule() const { return hexagonRule_; }
  bool fullHexagonsOnly() const { return fullHexagonsOnly_; }
  bool hasSolution() const { return hasSolution_; }
  const GridFlags& flags() const { return flags_; }
  // The level code records whether the solution is in the cells.
  void setSolutionLoaded(bool loaded) { flags_.solutionLoaded = loaded; }
  bool hasHexagonTable() const { return !centres_.empty(); }
  bool hasCellArray() const { return !cells_.empty(); }
  bool hasPeerTables() const { return !peerTables_[0].empty(); }
  GridLevels& levels() { return levels_; }
  const GridLevels& levels() const { return levels_; }

  const TextList& definitionList() const { return definition_; }
  const TextList& hexagonList() const { return hexagons_; }
  const TextList& partialList() const { return partial_; }
  const TextList& cellList() const { return cellLabels_; }
  const TextList& touchingList() const { return touching_; }
  const TextList& peerList() const { return peerLines_; }
  const TextList& links1() const { return links1_; }
  const TextList& links2() const { return links2_; }
  const TextList& holeList() const { return holes_; }
  const TextList& boundaryList() const { return boundary_; }
  // Cell label = solution,clue.
  const TextList& solutionMap() const { return solutionMap_; }
  // Moves of a restored game ("V,cell,n" and "P,cell,marks"), replayed by the next
  // prepareForPlay once the level has emptied the cells that are not given.
  TextList& replayQueue() { return replayQueue_; }

 private:
  // A field of cell c's record, or its zero value when c names no record.
  template <typename T>
  T fieldOf(int c, T GridCell::*field) const {
    const GridCell* cell = cellRecord(c);
    return cell != nullptr ? cell->*field : T{};
  }
  bool namesCell(int c) const { return c >= 1 && c <= cellCount_ && c < std::ssize(cells_); }
  void buildTouchingList();
  void computeRowsAndColumns();
  void invalidatePositions();
  std::vector<Point> cellPoints() const;

  Text name_;
  std::vector<Point> centres_;  // full hexagons, then partial ones
  std::vector<GridCell> cells_;
  std::array<std::vector<PeerSlots>, 2> peerTables_;
  int activePeerTable_ = 0;
  HexPolygon shape_;
  int hexagonCount_ = 0;
  int partialCount_ = 0;
  int allHexagonCount_ = 0;
  int cellCount_ = 0;
  int touchingCount_ = 0;
  int hexagonSize_ = 40;
  int rotation_ = 0;
  GridLevels levels_;
  int maxRow_ = 0;
  int maxColumn_ = 0;
  bool polygonStyle_ = false;
  bool hexagonRule_ = true;
  bool fullHexagonsOnly_ = false;
  TextList definition_;
  TextList hexagons_;
  TextList partial_;
  TextList cellLabels_;
  TextList touching_;
  TextList peerLines_;
  TextList links1_;
  TextList links2_;
  TextList holes_;
  TextList boundary_;
  TextList solutionMap_;
  TextList replayQueue_;
  bool hasSolution_ = false;
  GridFlags flags_;
  MarkTable markTable_;
};

}  // namespace qiro
