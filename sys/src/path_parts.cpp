// Splitting a file path into its parts and assembling a path from chosen parts.
#include "sys/path_parts.h"

#include <utility>

namespace qiro {

namespace {

// Repeats the replacement until no doubled form is left: one pass leaves "..." as "..".
void collapseRepeats(Text& text, TextView doubled, TextView single) {
  while (contains(text, doubled)) {
    const int before = text.length();
    safeReplace(text, 999, doubled, single);
    if (text.length() == before) break;
  }
}

}  // namespace

void splitPath(PathParts& parts, TextView path) {
  Text rest(path);  // copied first: path may be one of the parts
  parts.drive.clear();
  parts.directory.clear();
  parts.name.clear();
  parts.extension.clear();
  slashesForward(rest);

  if (const int colon = findExact(rest, ":"); colon > 0) {
    parts.drive.cutFront(rest, colon);
    upperText(parts.drive);
    keepFront(parts.drive, PathParts::kDriveMax);
  }
  if (const int slash = findLast(rest, "/"); slash > 0) parts.directory.cutFront(rest, slash);

  const int dot = findExact(rest, ".");
  if (dot == 0) {
    parts.name.adopt(std::move(rest));
  } else {
    parts.name.cutFront(rest, dot - 1);
    dropFront(rest, 1);
    trimLeft(rest);
    if (rest.isNotEmpty()) parts.extension.assign(".", rest);
  }
  trimLeft(parts.name);
  trimRight(parts.name);
}

void buildPath(const PathParts& parts, TextView pattern, Text& target) {
  Text letters(pattern);
  upperText(letters);
  const bool slashAfterDrive = contains(letters, "UR");
  const bool slashAfterDirectory = contains(letters, "RF");
  const bool dotAfterName = contains(letters, "FX");

  Text result;
  while (letters.isNotEmpty()) {
    const char letter = letters.view().front();
    // The letter goes, and the spaces behind it.
    dropFront(letters, 1);
    trimLeft(letters);
    switch (letter) {
      case 'U':
        if (parts.drive.isNotEmpty()) result.append(parts.drive, slashAfterDrive ? "/" : "");
        break;
      case 'R':
        if (parts.directory.isNotEmpty()) {
          result.append(parts.directory, slashAfterDirectory ? "/" : "");
        }
        break;
      case 'F':
        result.append(parts.name, dotAfterName ? "." : "");
        break;
      case 'X':
        result.append(parts.extension);
        break;
      default:
        break;
    }
  }
  collapseRepeats(result, "//", "/");
  collapseRepeats(result, "\\\\", "\\");
  collapseRepeats(result, "..", ".");
  target.adopt(std::move(result));
}

}  // namespace qiro
