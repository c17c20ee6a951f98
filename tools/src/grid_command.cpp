// qiro-tool grid and load: builds a grid from definition tokens or from the collection and
// prints everything derived.
#include "arguments.h"
#include "content/grid_collection.h"
#include "game/grid.h"
#include "text/tokens.h"
#include "tools/tool.h"

namespace qiro {

namespace {

std::string_view labelOf(const TextList& list, int index) {
  return TextView(list.item(index)).view();
}

void printList(std::ostream& out, std::string_view keyword, const TextList& list) {
  out << keyword;
  for (const Text& label : list)
    out << " \"" << label.view() << '"';
  out << '\n';
}

void printCell(std::ostream& out, const Grid& grid, int c) {
  const std::string_view label = labelOf(grid.cellList(), c);
  const GridCell* cell = grid.cellRecord(c);
  out << "cell " << c << " \"" << label << "\" row=" << cell->row << " column=" << cell->column
      << " x=" << cell->x << " y=" << cell->y << " peers=";
  for (int k = 0; k < kMaxPeers && grid.peer(c, k) != 0; ++k)
    out << (k > 0 ? "," : "") << grid.peer(c, k);
  Text solution;
  if (getValue(grid.solutionMap(), label, solution) > 0) {
    const int value = popInteger(solution);
    out << " solution=" << value << " clue=" << popInteger(solution);
  }
  out << '\n';
}

void printGrid(std::ostream& out, const Grid& grid) {
  out << "grid cells=" << grid.cellCount() << " hexagons=" << grid.hexagonCount()
      << " partial=" << grid.partialCount() << " touching=" << grid.touchingCount()
      << " holes=" << grid.holeList().count() << " boundary=" << grid.boundaryList().count()
      << " rows=" << grid.maxRow() << " columns=" << grid.maxColumn() << '\n';
  for (int c = 1; c <= grid.cellCount(); ++c)
    printCell(out, grid, c);
  for (int h = 1; h <= grid.allHexagonCount(); ++h) {
    const bool full = h <= grid.hexagonCount();
    const std::string_view label = full ? labelOf(grid.hexagonList(), h)
                                        : labelOf(grid.partialList(), h - grid.hexagonCount());
    const Point centre = grid.hexagonCentre(h);
    out << "hexagon " << h << " \"" << label << "\" " << (full ? "full" : "partial")
        << " x=" << centre.x << " y=" << centre.y << '\n';
  }
  printList(out, "links1", grid.links1());
  printList(out, "links2", grid.links2());
  printList(out, "holes", grid.holeList());
  printList(out, "boundary", grid.boundaryList());
}

// Everything the printout shows, at the hexagon size the grid has.
void deriveAll(Grid& grid) {
  grid.prepareForPlay();
  grid.ftbco();
  grid.ensureHoleLists();
}

}  // namespace

int runGridCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out, std::ostream& err) {
  int size = 40;
  int rotation = 0;
  TextList definition;
  const NumberOption options[] = {
      {"--size", 2, 1000, &size},
      {"--rotation", -360, 360, &rotation},
  };
  if (!readDefinitionArguments("grid", args, options, definition, err)) return kToolUsageError;
  Grid grid;
  grid.setHexagonSize(size, false);
  grid.setRotation(rotation);
  grid.setfromgrivecdef(definition);
  deriveAll(grid);
  printGrid(out, grid);
  return kToolSuccess;
}

int runLoadCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: qiro-tool load KEY\n";
    return kToolUsageError;
  }
  // Slot 0 at the zoom step the game starts with, so the positions match qiro-tool grid's.
  Board& board = boardSlot(0);
  board.setCellSizePx(40);
  if (!gridCollection().loadBuiltinGrid(0, args.front())) {
    err << "qiro-tool load: no built-in grid '" << args.front() << "'\n";
    return kToolUsageError;
  }
  deriveAll(board.grid());
  printGrid(out, board.grid());
  return kToolSuccess;
}

}  // namespace qiro
