// The command dispatcher of qiro-tool.
#include "tools/tool.h"

#include <array>

namespace qiro {

namespace {

struct Command {
  std::string_view name;
  int (*run)(ToolArguments args, std::ostream& out, std::ostream& err);
};

// New commands (play, design, scramble, page...) join this table.
constexpr std::array kCommands = {
    Command{"grid", runGridCommand},
};

}  // namespace

int runTool(ToolArguments args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "usage: qiro-tool COMMAND [ARGUMENTS...]; commands: grid\n";
    return kToolUsageError;
  }
  for (const Command& command : kCommands) {
    if (command.name == args.front()) return command.run(args.subspan(1), out, err);
  }
  err << "qiro-tool: unknown command '" << args.front() << "'\n";
  return kToolUsageError;
}

}  // namespace qiro
