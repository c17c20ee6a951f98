// The parts of a file path, and paths assembled from chosen parts.
#pragma once

#include "text/text.h"

namespace qiro {

struct PathParts {
  static constexpr int kDriveMax = 7;  // the drive field keeps at most 7 characters
  Text drive;                          // up to and including the first ':', upper case
  Text directory;                      // after the drive, up to and including the last '/'
  Text name;                           // the file name up to its first '.'
  Text extension;                      // '.' and the rest of the file name, or empty
};

void splitPath(PathParts& parts, TextView path);
// Pattern letters U (drive), R (directory), F (name), X (extension), any case.
void buildPath(const PathParts& parts, TextView pattern, Text& target);

}  // namespace qiro
