// qiro-tool: the developer tool's commands, run on argument lists and output streams.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace qiro {

constexpr int kToolSuccess = 0;
constexpr int kToolUsageError = 2;

using ToolArguments = std::span<const std::string_view>;

// args are the arguments after the program name; the first names the command. Answers
// the exit status.
int runTool(ToolArguments args, std::ostream& out, std::ostream& err);

// qiro-tool grid [--size S] [--rotation R] TOKEN...: the grid a definition builds, with
// every cell, hexagon and line list. args follow the command name.
int runGridCommand(ToolArguments args, std::ostream& out, std::ostream& err);

}  // namespace qiro
