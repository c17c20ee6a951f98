// Board: the display members of a grid, the zoom-derived sizes and the sixteen boards.
#include "render/board.h"

#include <array>
#include <cstddef>
#include <memory>

#include "game/grid_slots.h"

namespace qiro {

namespace {

// How far a pencil mark is raised at each zoom step the shell offers; other sizes lift 0.
int markLiftFor(int cellSizePx) {
  switch (cellSizePx) {
    case 40:
      return 5;
    case 50:
      return 6;
    case 60:
      return 8;
    case 70:
      return 9;
    default:
      return 0;
  }
}

}  // namespace

BoardSizes boardSizesFor(int cellSizePx, int numberFontHeight) {
  BoardSizes sizes;
  sizes.numberHeight = numberFontHeight;
  sizes.numberWidth = numberFontHeight / 2;
  sizes.markHeight = cellSizePx / 4;
  sizes.markWidth = cellSizePx / 8;
  sizes.markLift = markLiftFor(cellSizePx);
  sizes.outlinePen = maxOf(1, cellSizePx / 40);
  sizes.heavyPen = cellSizePx / 6 + 1;
  return sizes;
}

Board::Board(Grid& grid, int slot) : grid_(&grid), boardSlot_(slot) {
  resetDisplay();
  boardSlot_ = slot;
}

void Board::resetDisplay() {
  key_.clear();
  definitionTokens_.clear();
  boardContext_ = nullptr;
  boardSlot_ = 0;
  cellSizePx_ = 15;
  numberFontHeight_ = 10;
  difficulty_ = 100;
  rotation_ = 0;
  cellStyle_ = kTriangleCellStyle;
}

void Board::setKey(TextView key) {
  key_.assign(key);
  grid_->setName(key);
}

void Board::setCellSizePx(int size) {
  cellSizePx_ = size;
  // 55 % in whole numbers: the same truncation as size x 0.55 without a rounding doubt.
  numberFontHeight_ = size * 55 / 100;
  grid_->setHexagonSize(size, cellStyle_ == 9);
}

void Board::setCellStyle(int style) {
  cellStyle_ = style;
  if (style == kTriangleCellStyle) grid_->computeMarkTable();
}

Point Board::windowToBoard(int x, int y) const {
  if (boardContext_ == nullptr) return {x, -y};
  return ::qiro::windowToBoard(*boardContext_, x, y);
}

Point windowToBoard(const DrawingContext& context, int x, int y) {
  return {x - context.originX(), context.originY() - y};
}

Board& boardSlot(int slot) {
  static const auto boards = [] {
    std::array<std::unique_ptr<Board>, kGridSlots> made;
    for (int s = 0; s < kGridSlots; ++s)
      made[static_cast<std::size_t>(s)] = std::make_unique<Board>(gridSlot(s), s);
    return made;
  }();
  if (slot >= 0 && slot < kGridSlots) return *boards[static_cast<std::size_t>(slot)];
  // gridSlot empties its spare grid on every such request; the spare board follows.
  Grid& spareGrid = gridSlot(slot);
  static Board spare(spareGrid, 0);
  spare.resetDisplay();
  spare.setBoardSlot(slot);
  return spare;
}

}  // namespace qiro
