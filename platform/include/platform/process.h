// The program file and the command line the process was started with.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace qiro {

// The full path of the running program file, as the system reports it (its own bytes,
// '/' separators on Linux).
std::string programFilePath();

// The command line as one text, as for a program started by its full path: the program
// file's path, then each argument, separated by single spaces.
std::string processCommandLine();

// The pieces joined by single spaces, nothing quoted: the program reads its arguments back
// as one text, so a quote added here would become part of them.
std::string joinCommandLine(std::string_view programPath, std::span<const std::string> arguments);

}  // namespace qiro
