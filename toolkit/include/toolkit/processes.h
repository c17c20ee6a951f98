// Starting programs, ending this one, and removing a file after a pause.
#pragma once

#include "text/text.h"

namespace qiro {

// Starts program with commandLine (on Linux its pieces between spaces are the arguments),
// in the current folder; a bare name is a file of the current folder. Answers false, and
// does nothing else, when the program cannot be started. With wait, returns once the
// program has ended, whatever its exit code.
bool runProgram(TextView program, TextView commandLine, bool wait);

// runProgram without waiting, then ends this process with exit code 0 whether or not the
// program started.
[[noreturn]] void runProgramAndExit(TextView program, TextView commandLine);

// Removes the regular file at path after a pause of pauseMs milliseconds, through
// wipeAndDelete when wipe is set and deleteFile otherwise. Answers true when no file is
// there any more: at once, without the pause, when there was none (a folder or anything
// else that is not a regular file stays untouched).
bool delayedDelete(TextView path, int pauseMs, bool wipe);

}  // namespace qiro
