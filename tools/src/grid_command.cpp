// qiro-tool grid: builds a grid from definition tokens and prints everything derived.
#include <array>
#include <charconv>
#include <optional>

#include "game/grid.h"
#include "text/tokens.h"
#include "tools/tool.h"

namespace qiro {

namespace {

struct GridOptions {
  int size = 40;
  int rotation = 0;
  TextList definition;
};

struct NumberOption {
  std::string_view name;
  int lo;
  int hi;
  int GridOptions::*field;
};

constexpr std::array kNumberOptions = {
    NumberOption{"--size", 2, 1000, &GridOptions::size},
    NumberOption{"--rotation", -360, 360, &GridOptions::rotation},
};

std::optional<int> integerIn(std::string_view text, int lo, int hi) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < lo || value > hi)
    return std::nullopt;
  return value;
}

const NumberOption* numberOptionNamed(std::string_view name) {
  for (const NumberOption& option : kNumberOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// Options may stand anywhere among the tokens; each token argument may hold several
// comma-separated tokens. Answers false after writing a one-line error.
bool readOptions(ToolArguments args, GridOptions& options, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (const NumberOption* option = numberOptionNamed(arg)) {
      const std::optional<int> value =
          i + 1 < args.size() ? integerIn(args[++i], option->lo, option->hi) : std::nullopt;
      if (!value) {
        err << "qiro-tool grid: " << arg << " needs a whole number from " << option->lo << " to "
            << option->hi << "\n";
        return false;
      }
      options.*option->field = *value;
    } else if (arg.starts_with('-')) {
      err << "qiro-tool grid: unknown option '" << arg << "'\n";
      return false;
    } else {
      Text tokens(arg);
      Text token;
      while (tokens.isNotEmpty()) {
        popToken(token, tokens);
        if (token.isNotEmpty()) options.definition.append(token);
      }
    }
  }
  return true;
}

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

}  // namespace

int runGridCommand(ToolArguments args, std::ostream& out, std::ostream& err) {
  GridOptions options;
  if (!readOptions(args, options, err)) return kToolUsageError;
  Grid grid;
  grid.setHexagonSize(options.size, false);
  grid.setRotation(options.rotation);
  grid.setfromgrivecdef(options.definition);
  grid.prepareForPlay();
  grid.ftbco();
  grid.ensureHoleLists();
  printGrid(out, grid);
  return kToolSuccess;
}

}  // namespace qiro
