// Starting programs, ending this one, and removing a file after a pause.
#include "toolkit/processes.h"

#include <filesystem>
#include <system_error>

#include "platform/process.h"
#include "sys/file_ops.h"

namespace qiro {

namespace {

// Judged from the folder entry, without opening the file: opening would block on a pipe,
// and a file this process may not read is still there.
bool regularFileAt(TextView path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(std::filesystem::path(path.view()), ignored);
}

}  // namespace

bool runProgram(TextView program, TextView commandLine, bool wait) {
  return startProgram(program.view(), commandLine.view(), wait);
}

void runProgramAndExit(TextView program, TextView commandLine) {
  runProgram(program, commandLine, false);
  exitProcess(0);
}

bool delayedDelete(TextView path, int pauseMs, bool wipe) {
  if (!regularFileAt(path)) return true;
  if (pauseMs > 0) sleepMilliseconds(pauseMs);
  if (wipe) {
    wipeAndDelete(path);
  } else {
    deleteFile(path);
  }
  return !regularFileAt(path);
}

}  // namespace qiro
