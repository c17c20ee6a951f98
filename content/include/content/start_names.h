// The names the program builds at start-up, and the other fixed texts of its start.
#pragma once

#include "text/text.h"

namespace qiro {

// The stored title text followed directly by the edition: Q-I-RO-119.
Text windowTitle();
// "Q-I-RO-demo#" with the edition for "#": Q-I-RO-demo119.
Text programBaseName();
// The window title followed by ".TXT", a name in the current folder.
Text preferencesFileName();
// The second line of the preferences file.
Text preferencesComment();
// The second line of the splash window's text.
Text webAddress();

}  // namespace qiro
