// qiro-stow --grids DIR --out FILE TEXTS...: writes the stored tables of the plain sources.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "stow.h"

int main(int argc, char** argv) {
  qiro::StowSources sources;
  std::filesystem::path outPath;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--grids" || arg == "--out") && i + 1 < argc) {
      (arg == "--grids" ? sources.gridsFolder : outPath) = argv[++i];
    } else {
      sources.textFiles.emplace_back(arg);
    }
  }
  if (sources.gridsFolder.empty() || outPath.empty()) {
    std::cerr << "usage: qiro-stow --grids DIR --out FILE [TEXT_FILE...]\n";
    return 2;
  }
  std::ostringstream header;
  if (!qiro::writeStoredTables(sources, header, std::cerr)) return 1;
  // Written beside the target and renamed over it, so a failed build leaves no half file.
  std::filesystem::path temporary = outPath;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary);
    out << header.str();
    if (!out.flush()) {
      std::cerr << "qiro-stow: cannot write " << temporary << '\n';
      return 1;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, outPath, error);
  if (error) {
    std::cerr << "qiro-stow: cannot write " << outPath << ": " << error.message() << '\n';
    return 1;
  }
  return 0;
}
