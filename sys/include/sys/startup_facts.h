// What the program takes from the system once, at start-up.
#pragma once

#include "text/text.h"

namespace qiro {

struct StartupFacts {
  Text applicationTitle;  // the caption of every message box
  Text programPath;       // the program file's full path, with '/' separators
  Text commandTail;       // the command line without the program path: the arguments
  int screenWidth = 0;    // the primary screen, in pixels
  int screenHeight = 0;
  Text buildDate;  // the build-date stamp, yyyymmdd
};

// Fills the facts; the program runs it once, early in its start.
void startServices(TextView title);
// The facts as startServices left them (all empty before).
const StartupFacts& startupFacts();

// The command line with every '\' turned into '/' and the first occurrence of the program
// path removed, letter case ignored; the whole line when the path does not occur in it.
Text commandTailOf(TextView commandLine, TextView programPath);

}  // namespace qiro
