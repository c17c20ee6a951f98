// Loading built-in grids into the grid slots.
#include "content/grid_collection.h"

#include "game/grid_slots.h"
#include "game/levels.h"
#include "game/moves.h"
#include "text/tokens.h"

namespace qiro {

namespace {

// The cell style that draws hexagons as polygons; this game never sets it.
constexpr int kPolygonCellStyle = 9;

}  // namespace

bool GridCollection::findBuiltinGrid(TextView key) {
  collectionEdition_ = kCollectionEdition;
  const BuiltinGrid* entry = findBuiltinEntry(key);
  if (entry != nullptr) {
    pendingGridLevel_ = entry->level;
    pendingGridLines_.appendAllFrom(plainLinesOf(*entry));
  }
  builtinGridCount_ = kBuiltinGridCount;
  return entry != nullptr;
}

bool GridCollection::loadBuiltinGrid(int slot, TextView key) {
  pendingGridLines_.clear();
  pendingGridLevel_ = 0;
  nextCellStyle_ = kTriangleCellStyle;
  // The spare board behind a wrong slot is emptied on every request, so nothing loaded
  // there could be found again.
  const bool loads = findBuiltinGrid(key) && slot >= 0 && slot < kGridSlots;
  if (loads) {
    Board& board = boardSlot(slot);
    board.setKey(key);
    board.definitionTokens() = definitionTokensOf(pendingGridLines_);
    prepareLoadedGrid(board);
    Grid& grid = board.grid();
    if (pendingGridLevel_ > 0) setLevel(grid, pendingGridLevel_);
    runPostLoadSteps(grid);
  }
  pendingGridLines_.clear();
  return loads;
}

void GridCollection::prepareLoadedGrid(Board& board) {
  Text name(board.key());
  name.append(",");
  Grid& grid = board.grid();
  // The name alone would let a second slot loaded with the same key keep its old grid.
  if (name.view() != rememberedName_.view() || board.boardSlot() != rememberedSlot_) {
    rememberedName_ = name;
    rememberedSlot_ = board.boardSlot();
    grid.setfromgrivecdef(board.definitionTokens());
  }
  setDifficultyPercentage(grid, board.difficulty());
  grid.setRotation(board.rotation());
  grid.setHexagonSize(board.cellSizePx(), board.cellStyle() == kPolygonCellStyle);
}

Text GridCollection::catalogueKey(int n) const {
  Text rest(gridCatalogue_);
  Text key;
  if (n < 1) return key;
  for (int i = 1; i <= n; ++i) {
    if (rest.isEmpty()) return Text();
    popToken(key, rest);
  }
  trimLeft(key);
  trimRight(key);
  return key;
}

bool GridCollection::selectGridNumber(int n) {
  const Text key = catalogueKey(n);
  if (!loadBuiltinGrid(0, key)) return false;
  boardSlot(0).setCellStyle(nextCellStyle_);
  return true;
}

GridCollection& gridCollection() {
  static GridCollection collection;
  return collection;
}

}  // namespace qiro
