// qiro-tool render: a grid at a level and a state, painted as the board shows it, as a PNG.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "game/game_state.h"
#include "game/grid.h"
#include "game/levels.h"
#include "game/moves.h"
#include "platform/app.h"
#include "platform/canvas.h"
#include "render/board.h"
#include "render/board_painter.h"
#include "tools/tool.h"

namespace qiro {

namespace {

constexpr std::string_view kUsage =
    "usage: qiro-tool render [--size S] [--level L] [--state TEXT] [--links] "
    "[--select A,B,C] --out FILE.png TOKEN...";
constexpr int kScreenDotsPerInch = 96;

struct RenderOptions {
  int size = 40;
  int level = 0;  // 0 keeps the level a fresh grid has
  std::optional<std::string_view> state;
  bool links = false;
  HexagonSelection selection;
  std::string_view out;
};

// Up to three entries, oldest first; the last one is the newest.
std::optional<HexagonSelection> selectionOf(std::string_view text) {
  std::vector<int> entries;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::optional<int> entry = integerIn(text.substr(0, comma), -1000000, 1000000);
    if (!entry || entries.size() == 3) return std::nullopt;
    entries.push_back(*entry);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  std::array<int, 3> padded{};
  std::copy(entries.begin(), entries.end(), padded.end() - std::ssize(entries));
  return HexagonSelection{padded[0], padded[1], padded[2]};
}

// Takes out the options that are not numbers; answers the rest for the definition reader.
std::optional<std::vector<std::string_view>> takeTextOptions(ToolArguments args,
                                                             RenderOptions& options,
                                                             std::ostream& err) {
  std::vector<std::string_view> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--links") {
      options.links = true;
      continue;
    }
    if (arg != "--state" && arg != "--select" && arg != "--out") {
      rest.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) {
      err << "qiro-tool render: " << arg << " needs a value\n";
      return std::nullopt;
    }
    const std::string_view value = args[++i];
    if (arg == "--state") {
      options.state = value;
    } else if (arg == "--out") {
      options.out = value;
    } else if (const std::optional<HexagonSelection> selection = selectionOf(value)) {
      options.selection = *selection;
    } else {
      err << "qiro-tool render: --select needs one to three whole numbers separated by commas\n";
      return std::nullopt;
    }
  }
  return rest;
}

// The grid as a freshly loaded one (as play builds it), at the zoom step, the level and
// the state.
void prepareBoard(Board& board, const TextList& definition, const RenderOptions& options) {
  Grid& grid = board.grid();
  grid.setfromgrivecdef(definition);
  runPostLoadSteps(grid);
  board.setCellSizePx(options.size);
  board.setCellStyle(kTriangleCellStyle);
  if (options.level != 0) setLevel(grid, options.level);
  if (options.state) decodeState(grid, *options.state);
  grid.prepareForPlay();
}

}  // namespace

int runRenderCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out,
                     std::ostream& err) {
  RenderOptions options;
  const std::optional<std::vector<std::string_view>> rest = takeTextOptions(args, options, err);
  if (!rest) return kToolUsageError;
  const std::array numberOptions = {NumberOption{"--size", 10, 200, &options.size},
                                    NumberOption{"--level", 1, 7, &options.level}};
  TextList definition;
  if (!readDefinitionArguments("render", *rest, numberOptions, definition, err))
    return kToolUsageError;
  if (options.out.empty()) {
    err << "qiro-tool render: --out FILE.png is required; " << kUsage << '\n';
    return kToolUsageError;
  }

  ensureApplication();
  Grid grid;
  Board board(grid);
  prepareBoard(board, definition, options);

  // A page just large enough for the board's box, whose top left corner is pixel (0, 0).
  const Box box = grid.boundingBox();
  const int width = box.right - box.left + 1;
  const int height = box.top - box.bottom + 1;
  Layer layer(width, height);
  Canvas canvas(layer);
  DrawingContext context;
  context.setUpScreenPage(kScreenDotsPerInch, width, height, -box.left, box.top, &canvas);
  board.setBoardContext(&context);

  PaintState state;
  state.linkDisplay = options.links;
  paintBoardBackground(board, context, state);
  paintBoardContent(board, context, state);
  paintSelectedHexagons(board, context, options.selection);

  if (!layer.savePng(options.out)) {
    err << "qiro-tool render: cannot write " << options.out << '\n';
    return kToolFailure;
  }
  out << "image " << width << "x" << height << " cells=" << grid.cellCount() << " " << options.out
      << '\n';
  return kToolSuccess;
}

}  // namespace qiro
