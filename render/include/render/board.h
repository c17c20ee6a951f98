// Board: a grid paired with its display members, the zoom-derived sizes, and the sixteen
// boards that pair with the grid slots.
#pragma once

#include "game/grid.h"
#include "text/numeric.h"
#include "text/text.h"
#include "text/text_list.h"
#include "toolkit/drawing_context.h"

namespace qiro {

// The only cell style the game sets: every cell drawn as a triangle.
constexpr int kTriangleCellStyle = 6;

// Sizes in pixels that follow the zoom step (integer divisions truncate).
struct BoardSizes {
  int numberHeight = 0;
  int numberWidth = 0;
  int markHeight = 0;
  int markWidth = 0;
  int markLift = 0;  // how far a pencil mark's text is raised above its mark position
  int outlinePen = 1;
  int heavyPen = 1;  // the outer border of the board
  friend bool operator==(const BoardSizes&, const BoardSizes&) = default;
};

BoardSizes boardSizesFor(int cellSizePx, int numberFontHeight);

// The grid itself lives elsewhere (usually a grid slot); the board adds what the screen
// needs to show it. Copying is refused, since two boards over one grid would disagree.
class Board {
 public:
  explicit Board(Grid& grid, int slot = 0);
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  // Puts every display member back to its default; the grid is untouched.
  void resetDisplay();

  Grid& grid() { return *grid_; }
  const Grid& grid() const { return *grid_; }

  // Also names the grid.
  void setKey(TextView key);
  const Text& key() const { return key_; }
  TextList& definitionTokens() { return definitionTokens_; }
  const TextList& definitionTokens() const { return definitionTokens_; }

  void setBoardContext(DrawingContext* context) { boardContext_ = context; }
  DrawingContext* boardContext() const { return boardContext_; }
  void setBoardSlot(int slot) { boardSlot_ = slot; }
  int boardSlot() const { return boardSlot_; }

  // The zoom step: also the number font height (55 %) and the grid's hexagon size.
  void setCellSizePx(int size);
  int cellSizePx() const { return cellSizePx_; }
  int numberFontHeight() const { return numberFontHeight_; }
  BoardSizes sizes() const { return boardSizesFor(cellSizePx_, numberFontHeight_); }

  // Style 6 also makes the grid's mark table follow its current shape.
  void setCellStyle(int style);
  int cellStyle() const { return cellStyle_; }

  void setDifficulty(int percentage) { difficulty_ = percentage; }
  int difficulty() const { return difficulty_; }
  void setRotation(int degrees) { rotation_ = degrees; }
  int rotation() const { return rotation_; }

  // A window pixel as a board point, through the current origin of the board's context
  // (the origin (0, 0) while the board has none).
  Point windowToBoard(int x, int y) const;

 private:
  Grid* grid_;
  Text key_;
  TextList definitionTokens_;
  DrawingContext* boardContext_ = nullptr;
  int boardSlot_ = 0;
  int cellSizePx_ = 15;
  int numberFontHeight_ = 10;
  int difficulty_ = 100;
  int rotation_ = 0;
  int cellStyle_ = kTriangleCellStyle;
};

// A window pixel as a board point of a context: (x - originX, originY - y).
Point windowToBoard(const DrawingContext& context, int x, int y);

// The board over grid slot 0 to 15. Any other slot gives a spare board over the spare grid,
// both emptied on every such request.
Board& boardSlot(int slot);

}  // namespace qiro
