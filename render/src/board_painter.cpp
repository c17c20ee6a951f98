// The board painter: background pass, content pass and the selected hexagons.
#include "render/board_painter.h"

#include <array>
#include <span>
#include <string_view>

#include "game/number_set.h"
#include "hexagon/hex_path.h"
#include "hexagon/labels.h"
#include "hexagon/shape.h"
#include "render/palette.h"

namespace qiro {

namespace {

constexpr int kTextWeight = 200;  // extra-light
constexpr const char* kTextFace = "Arial";
constexpr int kLinkCircleRadius = 4;

// Raises busyDepth and draws from the base origin until it goes; puts both back then.
class PassScope {
 public:
  PassScope(DrawingContext& context, PaintState& state) : context_(context), state_(state) {
    ++state_.busyDepth;
    context_.pushOrigin();
    context_.setOriginMm(0, 0);
  }
  ~PassScope() {
    context_.popOrigin();
    state_.busyDepth = maxOf(0, state_.busyDepth - 1);
  }
  PassScope(const PassScope&) = delete;
  PassScope& operator=(const PassScope&) = delete;

 private:
  DrawingContext& context_;
  PaintState& state_;
};

// The one character of a number 1 to 9.
struct Digit {
  std::array<char, 1> text{};
  explicit Digit(int n) { text[0] = static_cast<char>('0' + n); }
  TextView view() const { return std::string_view(text.data(), text.size()); }
};

// The line a link-list entry names: from its hexagon's centre along the letters after ":".
void drawChain(DrawingContext& context, const HexShape& shape, TextView entry) {
  const Point start = hexagonPosition(shape, pathPart(entry));
  std::string_view letters = suffixPart(entry).view();
  if (!letters.empty()) letters.remove_prefix(1);  // the ":"
  HexPath steps;
  parsePath(steps, letters);
  context.line(start.x, start.y, start.x + pathX(steps, shape), start.y + pathY(steps, shape));
}

void drawChains(DrawingContext& context, const HexShape& shape, const TextList& entries) {
  for (const Text& entry : entries)
    drawChain(context, shape, entry);
}

// Fills both arrows of a pair when either exists; an arrow that does not is grey.
void drawArrowPair(DrawingContext& context, const PanArrow& first, const PanArrow& second) {
  if (!first.exists && !second.exists) return;
  const DisplayPalette& palette = displayPalette();
  for (const PanArrow* arrow : {&first, &second}) {
    const Colour colour = arrow->exists ? kArrowOnColour : palette.arrowOff;
    // The outline is the fill's own colour, so the arrow keeps its exact shape.
    context.setPen(1, colour);
    context.setBrush(colour);
    std::array<Point, 4> points{};
    for (std::size_t i = 0; i < 3; ++i) {
      // Window pixels, y downward, seen from the current origin, y upward.
      points[i] = {arrow->triangle[i].x - context.originX(),
                   context.originY() - arrow->triangle[i].y};
    }
    points[3] = points[0];
    context.polygon(0, 0, points);
  }
}

void drawLinks(DrawingContext& context, const Grid& grid, int c) {
  context.setPen(1, kLinkColour);
  context.setBrush(kLinkColour);
  const int x = grid.cellX(c);
  const int y = grid.cellY(c);
  for (int k = 0; k < kMaxPeers; ++k) {
    const int j = grid.peer(c, k);
    // The lower cell of a pair draws nothing, so each pair is joined once.
    if (j > 0 && j < c) context.line(x, y, grid.cellX(j), grid.cellY(j));
  }
  context.circle(x, y, kLinkCircleRadius);
}

void selectFont(Canvas& device) {
  currentFont().select(device);
  currentFont().setCentred(true);
}

// The digit centred on the cell, its top half a font height above the centre, turned with
// the board; in the given or the player's colour.
void drawNumbers(DrawingContext& context, Canvas& device, const Board& board,
                 const PaintState& state) {
  const Grid& grid = board.grid();
  const DisplayPalette& palette = displayPalette();
  const BoardSizes sizes = board.sizes();
  currentFont().createWithOffset(sizes.numberHeight, sizes.numberWidth, grid.rotation() * 10, false,
                                 kTextWeight, kTextFace);
  selectFont(device);
  for (int c = 1; c <= grid.cellCount(); ++c) {
    const int v = grid.cellValue(c);
    if (between(v, 1, 9)) {
      currentFont().setColour(grid.isGiven(c) ? palette.given : palette.player);
      currentFont().textOutWithOffset(context.originX() + grid.cellX(c),
                                      context.originY() - grid.cellY(c), Digit(v).view());
    }
    // Links go over the numbers they join, as they would cell by cell.
    if (state.linkDisplay) drawLinks(context, grid, c);
  }
}

// Each mark's digit centred on its mark position, its top raised by the lift; empty cells
// only.
void drawMarks(DrawingContext& context, Canvas& device, const Board& board) {
  const Grid& grid = board.grid();
  const BoardSizes sizes = board.sizes();
  currentFont().create(sizes.markHeight, sizes.markWidth, 0, false, kTextWeight, kTextFace);
  selectFont(device);
  currentFont().setColour(kMarkColour);
  for (int c = 1; c <= grid.cellCount(); ++c) {
    if (!grid.cellIsEmpty(c)) continue;
    const NumberSet marks = grid.marksOf(c);
    for (int k = 1; k <= kHighestNumber; ++k) {
      if ((marks & singleNumberSet(k)) == 0) continue;
      const Point at = grid.markPosition(c, k);
      currentFont().textOut(context.originX() + at.x, context.originY() - at.y - sizes.markLift,
                            Digit(k).view());
    }
  }
}

// Full hexagons only. The fill is the brush the frame holds at this point: its white, or
// green after the link display.
void drawCentreDots(DrawingContext& context, const Board& board, const PaintState& state) {
  const Grid& grid = board.grid();
  context.setPen(board.sizes().outlinePen, kCentreDotOutline);
  context.setBrush(state.linkDisplay ? kLinkColour : kCentreDotFill);
  const int radius = context.from600(10);
  for (int h = 1; h <= grid.hexagonCount(); ++h) {
    const Point centre = grid.hexagonCentre(h);
    context.circle(centre.x, centre.y, radius);
  }
}

}  // namespace

void paintBoardBackground(Board& board, DrawingContext& context, PaintState& state) {
  Grid& grid = board.grid();
  grid.prepareForPlay();
  grid.ensureHoleLists();
  const PassScope pass(context, state);
  const DisplayPalette& palette = displayPalette();
  const HexShape& shape = grid.hexagonShapeOf().shape;

  context.setPen(2, palette.hole);
  context.setBrush(palette.hole);
  for (const Text& corner : grid.holeList())
    context.polygon(0, 0, cellTriangle(shape, corner));

  // One pen and brush serve every cell: the same picture as setting them cell by cell.
  context.setPen(board.sizes().outlinePen, palette.cellOutline);
  context.setBrush(palette.cellFill);
  for (int c = 1; c <= grid.cellCount(); ++c)
    context.polygon(0, 0, cellTriangle(shape, grid.cellList().item(c)));
}

void paintBoardContent(Board& board, DrawingContext& context, PaintState& state) {
  Grid& grid = board.grid();
  grid.prepareForPlay();
  if (state.linkDisplay) grid.ftbco();
  const PassScope pass(context, state);
  const DisplayPalette& palette = displayPalette();

  // Numbers and marks in two sweeps, one font each: every text stays inside its own cell,
  // so the picture is the one a cell-by-cell order gives.
  if (Canvas* device = context.device(); device != nullptr) {
    drawNumbers(context, *device, board, state);
    if (!state.linkDisplay && !state.rulesScreen) drawMarks(context, *device, board);
  }
  drawCentreDots(context, board, state);

  const HexShape& shape = grid.hexagonShapeOf().shape;
  context.setPen(1, palette.border);
  drawChains(context, shape, grid.links1());
  context.setPen(board.sizes().heavyPen, palette.border);
  drawChains(context, shape, grid.links2());

  drawArrowPair(context, state.arrows.right, state.arrows.left);
  drawArrowPair(context, state.arrows.up, state.arrows.down);
}

void paintHexagonSelection(Board& board, DrawingContext& context, int index, Colour colour) {
  Grid& grid = board.grid();
  grid.ensureTouchingList();
  if (index < 1 || index > grid.touchingCount()) return;
  const HexShape& shape = grid.hexagonShapeOf().shape;
  const Point centre = hexagonPosition(shape, grid.touchingList().item(index));
  context.pushOrigin();
  context.setOriginMm(0, 0);
  context.setPenMm(static_cast<float>(board.sizes().outlinePen), colour);
  context.setHollowBrush();
  // The shape's size, so the corners land on the neighbouring centres.
  context.hexagon(centre.x, centre.y, static_cast<float>(shape.rotation), shape.size);
  context.popOrigin();
}

void paintSelectedHexagons(Board& board, DrawingContext& context,
                           const HexagonSelection& selection) {
  paintHexagonSelection(board, context, selection.oldest, kSelectionOldest);
  paintHexagonSelection(board, context, selection.previous, kSelectionPrevious);
  paintHexagonSelection(board, context, selection.newest, kSelectionNewest);
}

}  // namespace qiro
