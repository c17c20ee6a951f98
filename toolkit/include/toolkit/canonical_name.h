// The one file name the program runs under, and the start-up check that moves it there.
#pragma once

#include "text/text.h"

namespace qiro {

// The text after the last '/' or '\' of path, unchanged: the name of the file itself.
Text bareFileName(TextView path);

// baseName followed by suffix, unless it already ends with suffix (letter case ignored),
// reduced to its bare file name.
Text canonicalFileName(TextView baseName, TextView suffix);

// The path a command tail names after "killexe=" (leading blanks and letter case ignored);
// empty when the tail does not begin so.
Text handedOverPath(TextView commandTail);

// Makes sure the program runs under baseName with this system's executable suffix, in
// the current folder (the program's own). Needs the start-up facts.
//  - A "killexe=" path in the command tail that names a previous copy of this program (a
//    regular file with the same bytes, not this very file) is removed after 300 ms;
//    anything else it names is left alone.
//  - Running under the canonical name, letter case ignored: answers true.
//  - Otherwise, with copying allowed and the running name naming this program in the
//    current folder: copies it to the canonical name (replacing a file there), starts the
//    copy with "killexe=" and the running name, and ends this process with code 0.
//  - Answers false when copying is not allowed or the copy fails; the program then goes on
//    under its current name.
bool ensureCanonicalFileName(TextView baseName, bool copyAllowed);

}  // namespace qiro
