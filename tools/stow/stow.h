// qiro-stow: the build step that turns the plain texts of the source tree into the stored
// (scrambled) tables the program carries.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

namespace qiro {

struct StowSources {
  // collection.txt (key, level, file per entry), catalogue.txt and the grid files.
  std::filesystem::path gridsFolder;
  // Files of named texts, "name: text" or "name[]: text" for one piece of a list.
  std::vector<std::filesystem::path> textFiles;
};

// Writes the C++ header of the stored tables to out. Every problem goes to err as
// "file:line: what" and makes the answer false; out is then not a usable header.
bool writeStoredTables(const StowSources& sources, std::ostream& out, std::ostream& err);

}  // namespace qiro
