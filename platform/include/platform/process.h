// The program file and the command line the process was started with; starting other
// programs, ending this one, and pausing.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The arguments a command line text stands for: its pieces between spaces, a run of spaces
// counting as one. Nothing is quoted, so joinCommandLine gives the same text back for
// arguments without spaces.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

// What ends the name of an executable file on this system: ".exe" on Windows, nothing on
// Linux.
std::string_view executableSuffix();

// Starts program with the arguments of commandLine, in this process's current folder and
// environment; it inherits no open file but the standard three. A name without '/' is the
// file of that name in the current folder, never one found on the search path.
// Answers whether the program started: false, with nothing started, when it cannot be.
// With wait it returns once the program has ended, whatever its exit code; without, the
// program runs on its own and leaves nothing behind for this process to reap.
bool startProgram(std::string_view program, std::string_view commandLine, bool wait);

// Ends this process with code, as the C library's exit does.
[[noreturn]] void exitProcess(int code);

// Sleeps ms milliseconds; 0 or less returns at once.
void sleepMilliseconds(int ms);

// While one exists, sleepMilliseconds returns at once and records each request instead.
// Hooks nest: the newest one counts, and removing it brings back the one before.
class RecordedSleeps {
 public:
  RecordedSleeps();
  ~RecordedSleeps();
  RecordedSleeps(const RecordedSleeps&) = delete;
  RecordedSleeps& operator=(const RecordedSleeps&) = delete;

  // Every request in order, those of 0 or less included.
  const std::vector<int>& requests() const { return requests_; }

 private:
  friend void sleepMilliseconds(int ms);
  std::vector<int> requests_;
  RecordedSleeps* outer_;
};

}  // namespace qiro
