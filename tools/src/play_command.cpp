// qiro-tool play: a grid made ready for play, driven by one command per input line.
#include <array>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "game/game_state.h"
#include "game/grid.h"
#include "game/levels.h"
#include "game/move_history.h"
#include "game/moves.h"
#include "tools/tool.h"

namespace qiro {

namespace {

struct Session {
  Grid grid;
  MoveHistory history;
  bool toggleOnly = false;
};

// The kinds of argument a command line takes. A cell is any whole number first and is
// then checked against the grid, so that a wrong number gets its own message.
enum class ArgumentKind { kCell, kNumber, kMark, kLevel, kPercent, kFlag, kState };

struct ArgumentRule {
  std::string_view name;
  int lo;
  int hi;
};

constexpr ArgumentRule ruleOf(ArgumentKind kind) {
  switch (kind) {
    case ArgumentKind::kCell:
      return {"CELL", INT_MIN, INT_MAX};
    case ArgumentKind::kNumber:
      return {"NUMBER", 0, 6};  // 0 is the eraser
    case ArgumentKind::kMark:
      return {"MARK", 0, 6};  // 0 is a click beside every mark
    case ArgumentKind::kLevel:
      return {"LEVEL", 1, 7};
    case ArgumentKind::kPercent:
      return {"PERCENT", INT_MIN, INT_MAX};
    case ArgumentKind::kFlag:
      return {"FLAG", 0, 1};
    case ArgumentKind::kState:
      return {"STATE", 0, 0};
  }
  return {};
}

// The arguments of one command line, read according to the command's kinds.
struct Arguments {
  std::array<int, 2> number{};
  std::string_view state;
};

struct PlayCommand {
  std::string_view name;
  std::vector<ArgumentKind> kinds;
  void (*run)(Session& session, const Arguments& args, std::ostream& out);
};

void printOk(std::ostream& out) {
  out << "ok\n";
}

void printHistoryPosition(const MoveHistory& history, std::ostream& out) {
  out << "history cursor=" << history.cursor() << " length=" << history.records().count() << '\n';
}

std::string_view outcomeWord(PlayOutcome outcome) {
  switch (outcome) {
    case PlayOutcome::kPlaced:
      return "placed";
    case PlayOutcome::kSolved:
      return "solved";
    case PlayOutcome::kRefused:
      return "refused";
    case PlayOutcome::kErased:
      return "erased";
    case PlayOutcome::kMarksCleared:
      return "marks-cleared";
    case PlayOutcome::kPicked:
      return "picked";
  }
  return "unknown";
}

void runLevel(Session& s, const Arguments& a, std::ostream& out) {
  setLevel(s.grid, a.number[0]);
  printOk(out);
}

void runPercent(Session& s, const Arguments& a, std::ostream& out) {
  setDifficultyPercentage(s.grid, a.number[0]);
  printOk(out);
}

void runPrepare(Session& s, const Arguments&, std::ostream& out) {
  s.grid.prepareForPlay();
  const GridLevels& levels = s.grid.levels();
  out << "level selected=" << levels.selectedLevel << " effective=" << levels.effectiveLevel
      << " shown=" << shownLevelOf(s.grid) << " threshold=" << levels.effectiveThreshold
      << " offset=" << levels.shapeOffset << '\n';
}

// As the board does on a left click: the clicked cell becomes current, the allowed sets
// are made fresh, then the move is judged.
void runClick(Session& s, const Arguments& a, std::ostream& out) {
  recomputeAllowed(s.grid);
  const PlayResult result = playCurrent(s.grid, s.history, a.number[0], a.number[1]);
  out << "outcome " << outcomeWord(result.outcome) << " number=" << result.currentNumber << '\n';
}

void runMark(Session& s, const Arguments& a, std::ostream& out) {
  markClick(s.grid, a.number[0], a.number[1], s.toggleOnly);
  out << s.grid.marksOf(a.number[0]) << '\n';
}

void runToggleOnly(Session& s, const Arguments& a, std::ostream& out) {
  s.toggleOnly = a.number[0] != 0;
  printOk(out);
}

void runUndo(Session& s, const Arguments&, std::ostream& out) {
  s.history.undoMove(s.grid);
  printHistoryPosition(s.history, out);
}

void runRedo(Session& s, const Arguments&, std::ostream& out) {
  s.history.redoMove(s.grid);
  printHistoryPosition(s.history, out);
}

// "Return to fixed numbers": the history refers to numbers that are gone.
void runFixed(Session& s, const Arguments&, std::ostream& out) {
  returnToGiven(s.grid);
  s.history.clearHistory();
  printOk(out);
}

void runEncode(Session& s, const Arguments&, std::ostream& out) {
  out << "state " << encodeState(s.grid).view() << '\n';
}

void runDecode(Session& s, const Arguments& a, std::ostream& out) {
  decodeState(s.grid, a.state);
  printOk(out);
}

void runShow(Session& s, const Arguments&, std::ostream& out) {
  const Grid& grid = s.grid;
  const int count = grid.cellCount();
  out << "values ";
  for (int c = 1; c <= count; ++c)
    out << grid.cellValue(c);
  out << "\ngiven ";
  for (int c = 1; c <= count; ++c)
    out << (grid.isGiven(c) ? '1' : '0');
  out << "\nmarks ";
  for (int c = 1; c <= count; ++c)
    out << (c > 1 ? "," : "") << grid.marksOf(c);
  out << '\n';
}

void runHistory(Session& s, const Arguments&, std::ostream& out) {
  out << "records";
  for (const Text& record : s.history.records())
    out << ' ' << record.view();
  out << " cursor=" << s.history.cursor() << '\n';
}

using enum ArgumentKind;

const PlayCommand kPlayCommands[] = {
    {"level", {kLevel}, runLevel},
    {"percent", {kPercent}, runPercent},
    {"prepare", {}, runPrepare},
    {"click", {kCell, kNumber}, runClick},
    {"mark", {kCell, kMark}, runMark},
    {"toggleonly", {kFlag}, runToggleOnly},
    {"undo", {}, runUndo},
    {"redo", {}, runRedo},
    {"fixed", {}, runFixed},
    {"encode", {}, runEncode},
    {"decode", {kState}, runDecode},
    {"show", {}, runShow},
    {"history", {}, runHistory},
};

std::vector<std::string_view> wordsOf(std::string_view line) {
  constexpr std::string_view kBlanks = " \t\r\f\v";
  std::vector<std::string_view> words;
  std::size_t start = line.find_first_not_of(kBlanks);
  while (start != std::string_view::npos) {
    const std::size_t stop = line.find_first_of(kBlanks, start);
    words.push_back(line.substr(start, stop - start));
    start = stop == std::string_view::npos ? stop : line.find_first_not_of(kBlanks, stop);
  }
  return words;
}

void printUsage(const PlayCommand& command, std::ostream& out) {
  out << "error: usage: " << command.name;
  for (const ArgumentKind kind : command.kinds)
    out << ' ' << ruleOf(kind).name;
  out << '\n';
}

// Reads the words after the command name; answers nothing after printing the error line.
std::optional<Arguments> readArguments(const PlayCommand& command,
                                       std::span<const std::string_view> words, const Grid& grid,
                                       std::ostream& out) {
  if (words.size() != command.kinds.size()) {
    printUsage(command, out);
    return std::nullopt;
  }
  Arguments args;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const ArgumentKind kind = command.kinds[i];
    if (kind == kState) {
      args.state = words[i];
      continue;
    }
    const ArgumentRule rule = ruleOf(kind);
    const std::optional<int> value = integerIn(words[i], rule.lo, rule.hi);
    if (!value) {
      out << "error: " << command.name << ": " << rule.name << " must be a whole number";
      if (rule.lo != INT_MIN) out << " from " << rule.lo << " to " << rule.hi;
      out << '\n';
      return std::nullopt;
    }
    if (kind == kCell && (*value < 1 || *value > grid.cellCount())) {
      out << "error: no cell " << *value << '\n';
      return std::nullopt;
    }
    args.number[i] = *value;
  }
  return args;
}

void runLine(Session& session, std::string_view line, std::ostream& out) {
  const std::vector<std::string_view> words = wordsOf(line);
  if (words.empty()) return;
  for (const PlayCommand& command : kPlayCommands) {
    if (command.name != words.front()) continue;
    const std::optional<Arguments> args =
        readArguments(command, std::span(words).subspan(1), session.grid, out);
    if (args) command.run(session, *args, out);
    return;
  }
  out << "error: unknown command '" << words.front() << "'\n";
}

}  // namespace

int runPlayCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err) {
  TextList definition;
  if (!readDefinitionArguments("play", args, {}, definition, err)) return kToolUsageError;
  Session session;
  // As the collection loader leaves a freshly loaded grid, without a level, with the
  // mark table of the cell style the game uses.
  Grid& grid = session.grid;
  grid.setfromgrivecdef(definition);
  runPostLoadSteps(grid);
  grid.computeMarkTable();

  std::string line;
  while (std::getline(in, line))
    runLine(session, line, out);
  return kToolSuccess;
}

}  // namespace qiro
