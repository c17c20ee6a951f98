// The pictures of the rules pages: example boards painted by the game's own painter on
// coloured pages, with the hexagon outlines and the question mark the texts talk about.
#include "pictures/pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "content/grid_collection.h"
#include "game/grid.h"
#include "game/levels.h"
#include "hexagon/shape.h"
#include "platform/app.h"
#include "render/board_painter.h"

namespace qiro {

namespace {

// Slot 1 holds the example grids of the rules pages, as it does in the game.
constexpr int kExampleSlot = 1;
// Millimetre sizes of the painter (the outline pen) at the screen's resolution.
constexpr int kDotsPerInch = 96;
constexpr int kSmallestCellSize = 20;
// The question mark, in the heaviest weight, about fills its cell's triangle: plainly
// larger than the numbers, while those round it stay readable.
constexpr int kQuestionMarkHeightPercent = 150;  // of the cell size
constexpr int kQuestionMarkWeight = 900;

constexpr int kStatusFailure = 1;
constexpr int kStatusUsage = 2;
constexpr std::string_view kUsage = "usage: qiro-pictures --out DIR";

// Where the texts stand decides where the boards may go: on the cover the title takes the
// upper right and the footer the bottom left; on the other pages the texts fill the right
// side, and the caption and footer the rows below the boards.
constexpr PageRect kRulesBoardZone = {20, 120, 345, 530};
constexpr PageRect kSecondBoardZone = {20, 120, 420, 530};
constexpr int kCoverBand = 150;
constexpr int kPageBand = 110;

std::array<PicturePlan, kRulesPageCount> makePlans() {
  // Pages 2 to 4: a board of four hexagons at its first level.
  const auto rulesBoard = [](std::vector<HexagonOutline> outlines) {
    return BoardPlan{
        "1222-65", kRulesBoardZone, BoardNumbers::kGivens, 1, {}, {}, std::move(outlines), {}};
  };
  // Pages 6 to 9: a flower of seven hexagons with three more.
  const auto secondBoard = [](int level, std::vector<std::string_view> emptied,
                              std::vector<HexagonOutline> outlines) {
    return BoardPlan{"1239-1", kSecondBoardZone,   BoardNumbers::kGivens, level,
                     {},       std::move(emptied), std::move(outlines),   {}};
  };
  const auto shapeBoard = [](std::string_view key, PageRect zone) {
    return BoardPlan{key, zone, BoardNumbers::kNone, 1, {}, {}, {}, {}};
  };
  const auto coverBoard = [](std::string_view key, PageRect zone) {
    return BoardPlan{key, zone, BoardNumbers::kSolution, 1, {}, {}, {}, {}};
  };

  std::array<PicturePlan, kRulesPageCount> plans;
  plans[0] = {
      kRulesPageCyan,
      kPicturePink,
      kCoverBand,
      110,
      {coverBoard("1251-1", {20, 170, 290, 420}), coverBoard("1251-2", {300, 320, 540, 560}),
       coverBoard("1251-3", {540, 320, 780, 560})}};
  // Two hexagons of six triangles that share two cells; the red one holds 1 to 6.
  BoardPlan rule = rulesBoard({{"X", kOutlineRed}, {"XA", kOutlineGreen}});
  rule.shown = {"C:AF"};
  plans[1] = {kPictureGray, kRulesPageCyan, kPageBand, 130, {rule}};
  // Two full hexagons, and two cut by the edge of the grid.
  plans[2] = {kPictureGray,
              kRulesPageCyan,
              kPageBand,
              130,
              {rulesBoard({{"X", kOutlineRed},
                           {"XAF", kOutlineGreen},
                           {"XB", kOutlineGreen},
                           {"XFF", kOutlineRed}})}};
  // Which number goes here? Only one fits, once the hexagons round the cell are read
  // together.
  BoardPlan question = rulesBoard({});
  question.questionMark = ":AF";
  question.emptied = {":AF"};
  question.shown = {"E:AF"};
  plans[3] = {kPictureGray, kRulesPageCyan, kPageBand, 130, {question}};
  // Other shapes, empty: the other example grids, a flower with three more hexagons and
  // two small boards.
  plans[4] = {kPictureGray,
              kRulesPageCyan,
              kPageBand,
              64,
              {shapeBoard("1239-1", {20, 120, 345, 350}), shapeBoard("1251-2", {20, 350, 180, 530}),
               shapeBoard("1251-3", {180, 350, 345, 530})}};
  // The last number of a hexagon: five of its six corners are given at the first level.
  plans[5] = {
      kPictureGray, kRulesPageCyan, kPageBand, 110, {secondBoard(1, {}, {{"X", kOutlineRed}})}};
  // The three hexagons that see one cell: together they leave it one number.
  plans[6] = {kPictureGray,
              kRulesPageCyan,
              kPageBand,
              110,
              {secondBoard(1, {":AB"},
                           {{"X", kOutlineRed}, {"XA", kOutlineGreen}, {"XB", kOutlineOrange}})}};
  // Two hexagons sharing two empty cells that can only hold the same two numbers.
  plans[7] = {kPictureGray,
              kRulesPageCyan,
              kPageBand,
              110,
              {secondBoard(1, {"D:AF", ":AF"}, {{"XD", kOutlineRed}, {"XE", kOutlineGreen}})}};
  // The same board at a harder level: fewer givens.
  plans[8] = {
      kPictureGray,
      kRulesPageCyan,
      kPageBand,
      110,
      {secondBoard(6, {}, {{"XCD", kOutlineRed}, {"XAA", kOutlineGreen}, {"XE", kOutlineOrange}})}};
  return plans;
}

int toPicture(int pagePixels) {
  return pagePixels * kPictureWidth / kRulesPageWidth;
}

// A box of board pixels (y upward: top > bottom) that grows to take in points.
class Extent {
 public:
  void add(int x, int y, int margin) {
    box_.left = std::min(box_.left, x - margin);
    box_.right = std::max(box_.right, x + margin);
    box_.bottom = std::min(box_.bottom, y - margin);
    box_.top = std::max(box_.top, y + margin);
  }
  void add(const Box& box) {
    add(box.left, box.top, 0);
    add(box.right, box.bottom, 0);
  }
  const Box& box() const { return box_; }
  int centreX() const { return (box_.left + box_.right) / 2; }
  int centreY() const { return (box_.top + box_.bottom) / 2; }

 private:
  Box box_{.left = 1 << 20, .right = -(1 << 20), .top = -(1 << 20), .bottom = 1 << 20};
};

FontSpec questionMarkFont(int cellSize) {
  FontSpec font;
  font.height = cellSize * kQuestionMarkHeightPercent / 100;
  font.weight = kQuestionMarkWeight;
  return font;
}

// Where the question mark's own pixels lie from the point its text is written at (the top
// centre, y downward): the glyph, not its text cell, is what is centred on the cell.
Box questionMarkInk(int cellSize) {
  const FontSpec font = questionMarkFont(cellSize);
  const int side = 2 * font.height;
  Layer scratch(side, side);
  {
    Canvas canvas(scratch);
    canvas.setFont(font);
    canvas.setTextColour(kOutlineRed);
    canvas.setTextBackground(0, false);
    canvas.setTextCentred(true);
    canvas.textOut(side / 2, 0, "?");
  }
  Box ink{.left = side, .right = -1, .top = side, .bottom = -1};
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (scratch.pixel(x, y) != kOutlineRed) continue;
      ink = {std::min(ink.left, x), std::max(ink.right, x), std::min(ink.top, y),
             std::max(ink.bottom, y)};
    }
  }
  return {ink.left - side / 2, ink.right - side / 2, ink.top, ink.bottom};
}

// Where the question mark's text is written, in board pixels, so that its glyph is centred
// on the box of the cell's triangle: the wide hook then sits in the wide part of a triangle
// that points down.
Point questionMarkPoint(const Grid& grid, const std::string_view cell, const Box& ink) {
  Extent triangle;
  for (const Point& corner : cellTriangle(grid.hexagonShapeOf().shape, cell))
    triangle.add(corner.x, corner.y, 0);
  return {triangle.centreX() - (ink.left + ink.right) / 2,
          triangle.centreY() + (ink.top + ink.bottom) / 2};
}

// What a board draws: its cells with half the heavy border round them, by which it is
// placed, and everything, outlines with half their pen and the question mark included.
struct BoardExtent {
  Extent cells;
  Extent all;
};

BoardExtent extentOf(Board& board, const BoardPlan& plan, const DrawingContext& context) {
  Grid& grid = board.grid();
  const HexShape& shape = grid.hexagonShapeOf().shape;
  const BoardSizes sizes = board.sizes();
  BoardExtent extent;
  const int border = sizes.heavyPen / 2 + 1;
  for (int c = 1; c <= grid.cellCount(); ++c) {
    for (const Point& corner : cellTriangle(shape, grid.cellList().item(c)))
      extent.cells.add(corner.x, corner.y, border);
  }
  extent.all = extent.cells;
  const int outlinePen = context.mmToPixelsX(static_cast<float>(sizes.outlinePen)) / 2 + 1;
  for (const HexagonOutline& outline : plan.outlines) {
    const Point centre = hexagonPosition(shape, outline.hexagon);
    for (int k = 0; k < 6; ++k) {
      const double angle = (shape.rotation + 60.0 * k) * std::numbers::pi / 180.0;
      extent.all.add(centre.x + static_cast<int>(std::lround(shape.size * std::cos(angle))),
                     centre.y + static_cast<int>(std::lround(shape.size * std::sin(angle))),
                     outlinePen);
    }
  }
  if (!plan.questionMark.empty()) {
    const Box ink = questionMarkInk(board.cellSizePx());
    const Point at = questionMarkPoint(grid, plan.questionMark, ink);
    extent.all.add({at.x + ink.left, at.x + ink.right, at.y - ink.top, at.y - ink.bottom});
  }
  return extent;
}

// The board centred in its zone by its cells, with everything it draws inside the zone.
bool fitsIn(const BoardExtent& extent, const PageRect& zone) {
  const int halfWidth = toPicture(zone.right - zone.left) / 2;
  const int halfHeight = toPicture(zone.bottom - zone.top) / 2;
  const Box& all = extent.all.box();
  return all.left >= extent.cells.centreX() - halfWidth &&
         all.right < extent.cells.centreX() + halfWidth &&
         all.top < extent.cells.centreY() + halfHeight &&
         all.bottom >= extent.cells.centreY() - halfHeight;
}

// The largest cell size up to the plan's at which every board fits its zone, so the boards
// of one page share one scale; none when a board cannot be loaded or never fits.
std::optional<int> cellSizeFor(const PicturePlan& plan, const DrawingContext& context) {
  for (int size = plan.cellSize; size >= kSmallestCellSize; size -= 2) {
    bool fits = true;
    for (const BoardPlan& boardPlan : plan.boards) {
      Board* board = loadPlannedBoard(boardPlan, size);
      if (board == nullptr) return std::nullopt;
      fits = fits && fitsIn(extentOf(*board, boardPlan, context), boardPlan.zone);
    }
    if (fits) return size;
  }
  return std::nullopt;
}

void drawQuestionMark(const Grid& grid, const BoardPlan& plan, int cellSize,
                      const DrawingContext& context, Canvas& canvas) {
  const Point at = questionMarkPoint(grid, plan.questionMark, questionMarkInk(cellSize));
  canvas.setFont(questionMarkFont(cellSize));
  canvas.setTextColour(kOutlineRed);
  canvas.setTextBackground(0, false);
  canvas.setTextCentred(true);
  canvas.textOut(context.originX() + at.x, context.originY() - at.y, "?");
}

// Answers false when the plan names a grid, cell or hexagon that does not exist.
bool drawBoard(const BoardPlan& plan, int cellSize, DrawingContext& context, Canvas& canvas) {
  Board* planned = loadPlannedBoard(plan, cellSize);
  if (planned == nullptr) return false;
  Board& board = *planned;
  Grid& grid = board.grid();

  const BoardExtent extent = extentOf(board, plan, context);
  context.setBaseOrigin(toPicture(plan.zone.left + plan.zone.right) / 2 - extent.cells.centreX(),
                        toPicture(plan.zone.top + plan.zone.bottom) / 2 + extent.cells.centreY());
  context.setOriginMm(0, 0);
  board.setBoardContext(&context);
  PaintState state;
  state.rulesScreen = true;
  paintBoardBackground(board, context, state);
  paintBoardContent(board, context, state);
  for (const HexagonOutline& outline : plan.outlines)
    paintHexagonSelection(board, context, touchingIndexOf(grid, outline.hexagon), outline.colour);
  if (!plan.questionMark.empty()) drawQuestionMark(grid, plan, cellSize, context, canvas);
  board.setBoardContext(nullptr);
  return true;
}

}  // namespace

const PicturePlan& picturePlan(int n) {
  static const std::array<PicturePlan, kRulesPageCount> plans = makePlans();
  return plans.at(static_cast<std::size_t>(std::clamp(n, 1, kRulesPageCount) - 1));
}

Board* loadPlannedBoard(const BoardPlan& plan, int cellSize) {
  if (!gridCollection().loadBuiltinGrid(kExampleSlot, plan.key)) return nullptr;
  Board& board = boardSlot(kExampleSlot);
  Grid& grid = board.grid();
  board.setCellSizePx(cellSize);
  board.setCellStyle(kTriangleCellStyle);
  setLevel(grid, plan.level);
  grid.prepareForPlay();
  // The givens are decided here rather than left to the level: the slot may still hold the
  // numbers of an earlier picture of the same grid, which applying an unchanged level keeps.
  const int threshold = grid.levels().effectiveThreshold;
  for (int c = 1; c <= grid.cellCount(); ++c) {
    GridCell& cell = *grid.cellRecord(c);
    const bool shown =
        plan.numbers == BoardNumbers::kSolution ||
        (plan.numbers == BoardNumbers::kGivens && cell.clue > 0 && cell.clue >= threshold);
    cell.value = shown ? cell.solution : 0;
    cell.given = shown;
    cell.marks = 0;
  }
  for (const auto& [labels, shown] : {std::pair{&plan.shown, true}, {&plan.emptied, false}}) {
    for (const std::string_view label : *labels) {
      GridCell* cell = grid.cellRecord(grid.findCell(label));
      if (cell == nullptr) return nullptr;
      cell->value = shown ? cell->solution : 0;
      cell->given = shown;
    }
  }
  if (!plan.questionMark.empty() && grid.findCell(plan.questionMark) == 0) return nullptr;
  for (const HexagonOutline& outline : plan.outlines) {
    if (touchingIndexOf(grid, outline.hexagon) == 0) return nullptr;
  }
  return &board;
}

int touchingIndexOf(const Grid& grid, std::string_view hexagon) {
  const HexShape& shape = grid.hexagonShapeOf().shape;
  const Point wanted = hexagonPosition(shape, hexagon);
  for (int i = 1; i <= grid.touchingCount(); ++i) {
    if (hexagonPosition(shape, grid.touchingList().item(i)) == wanted) return i;
  }
  return 0;
}

Layer drawPicture(int n) {
  if (n < 1 || n > kRulesPageCount) return Layer(0, 0);
  ensureApplication();
  const PicturePlan& plan = picturePlan(n);
  Layer layer(kPictureWidth, kPictureHeight, plan.page);
  Canvas canvas(layer);
  canvas.fillRectangle(0, 0, kPictureWidth, toPicture(plan.bandBottom), plan.band);
  DrawingContext context;
  // Each board then puts the origin on its own area.
  context.setUpScreenPage(kDotsPerInch, kPictureWidth, kPictureHeight, 0, 0, &canvas);
  const std::optional<int> cellSize = cellSizeFor(plan, context);
  if (!cellSize) return Layer(0, 0);
  for (const BoardPlan& boardPlan : plan.boards) {
    if (!drawBoard(boardPlan, *cellSize, context, canvas)) return Layer(0, 0);
  }
  return layer;
}

int runPictures(std::span<const std::string_view> args, std::ostream& err) {
  if (args.size() != 2 || args[0] != "--out" || args[1].empty()) {
    err << kUsage << '\n';
    return kStatusUsage;
  }
  const std::filesystem::path folder(args[1]);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder)) {
    err << "qiro-pictures: cannot make the folder " << folder.string()
        << (error ? ": " + error.message() : std::string()) << '\n';
    return kStatusFailure;
  }
  for (int n = 1; n <= kRulesPageCount; ++n) {
    const std::filesystem::path file = folder / (std::to_string(n) + ".bmp");
    const Layer picture = drawPicture(n);
    if (picture.width() == 0) {
      err << "qiro-pictures: picture " << n
          << " cannot be drawn: its plan names a grid, cell or hexagon that does not exist, or "
             "a board does not fit its place\n";
      return kStatusFailure;
    }
    if (!picture.saveBmp(file.string())) {
      err << "qiro-pictures: cannot write " << file.string() << '\n';
      return kStatusFailure;
    }
  }
  return 0;
}

}  // namespace qiro
