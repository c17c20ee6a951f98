// The command dispatcher of qiro-tool.
#include "tools/tool.h"

#include <array>

namespace qiro {

namespace {

struct Command {
  std::string_view name;
  int (*run)(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);
};

// New commands join this table, one a line.
// clang-format off
constexpr std::array kCommands = {
    Command{"grid", runGridCommand},
    Command{"play", runPlayCommand},
    Command{"render", runRenderCommand},
    Command{"design", runDesignCommand},
    Command{"solve", runSolveCommand},
    Command{"scramble", runScrambleCommand},
    Command{"unscramble", runUnscrambleCommand},
    Command{"collection", runCollectionCommand},
    Command{"load", runLoadCommand},
    Command{"message", runMessageCommand},
    Command{"page", runPageCommand},
};
// clang-format on

}  // namespace

int runTool(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "usage: qiro-tool COMMAND [ARGUMENTS...]; commands: grid, play, render, design, solve, "
           "scramble, unscramble, collection, load, message, page\n";
    return kToolUsageError;
  }
  for (const Command& command : kCommands) {
    if (command.name == args.front()) return command.run(args.subspan(1), in, out, err);
  }
  err << "qiro-tool: unknown command '" << args.front() << "'\n";
  return kToolUsageError;
}

}  // namespace qiro
