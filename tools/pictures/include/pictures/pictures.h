// qiro-pictures: the nine pictures of the rules pages, drawn with the board painter over
// example grids of the collection, and written as 8-bit BMP files for the resources.
#pragma once

#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "content/rules_pages.h"
#include "platform/canvas.h"
#include "render/board.h"
#include "render/palette.h"
#include "toolkit/holders.h"

namespace qiro {

// The pictures have the shape of the page the texts are laid out on, at half as large
// again; the page stretches them onto itself.
constexpr int kPictureWidth = 1200;
constexpr int kPictureHeight = 900;

constexpr Colour kPicturePink = 0xCC99FF;
constexpr Colour kPictureGray = 0xCCCCCC;
// The outlines are the board's selected hexagons.
constexpr Colour kOutlineRed = kSelectionNewest;
constexpr Colour kOutlineGreen = kSelectionPrevious;
constexpr Colour kOutlineOrange = kSelectionOldest;

// A rectangle of the 800 x 600 page: left and top included, right and bottom not.
struct PageRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Which numbers a board shows: none, the givens of its level, or its whole solution.
enum class BoardNumbers { kNone, kGivens, kSolution };

// A hexagon of the board outlined in one colour, named by its label ("X" is the origin).
struct HexagonOutline {
  std::string_view hexagon;
  Colour colour = kOutlineRed;
};

// One example board: its grid, where it stands and what it shows. Every shown number is
// drawn as a given one.
struct BoardPlan {
  std::string_view key;
  PageRect zone;
  BoardNumbers numbers = BoardNumbers::kGivens;
  int level = 1;
  std::vector<std::string_view> shown;    // cells shown though the level does not give them
  std::vector<std::string_view> emptied;  // cells left empty though the level gives them
  std::vector<HexagonOutline> outlines;   // drawn in this order, so the last is on top
  std::string_view questionMark;          // the cell a large red "?" stands on, if any
};

struct PicturePlan {
  Colour page = kPictureGray;
  Colour band = kRulesPageCyan;
  int bandBottom = 0;  // the band covers the page rows above this one
  int cellSize = 0;    // smaller only where the boards would not fit their zones
  std::vector<BoardPlan> boards;
};

// The plan of picture n, 1 to 9 (any other n reads as the nearest of them).
const PicturePlan& picturePlan(int n);

// Loads the plan's grid into grid slot 1 at the cell size, holding exactly the planned
// numbers (all given) and no pencil marks, and answers its board; null when the plan names
// a grid, cell or hexagon that does not exist.
Board* loadPlannedBoard(const BoardPlan& plan, int cellSize);

// Entry of the board's touching-hexagon list that is the hexagon named; 0 for none.
int touchingIndexOf(const Grid& grid, std::string_view hexagon);

// Picture n, 1 to 9, at kPictureWidth x kPictureHeight; an empty layer for any other n, or
// when its plan cannot be drawn.
Layer drawPicture(int n);

// qiro-pictures --out DIR: writes DIR/1.bmp to DIR/9.bmp, making DIR when it is missing.
// args follow the program name. Answers the exit status: 0, 1 when a picture cannot be
// drawn or written, 2 for a usage error; says why on err.
int runPictures(std::span<const std::string_view> args, std::ostream& err);

}  // namespace qiro
