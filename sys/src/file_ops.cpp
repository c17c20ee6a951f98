// Existence, deletion, renaming, copying and wiping of files by name.
#include "sys/file_ops.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "sys/line_file.h"

namespace qiro {

namespace {

namespace fs = std::filesystem;

bool isFolder(TextView path) {
  std::error_code ignored;
  return fs::is_directory(fs::path(path.view()), ignored);
}

// Anything at all at path, a dangling link included.
bool somethingAt(TextView path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(fs::path(path.view()), ignored));
}

// Every character of the file name, except the dots, turned into 'z'.
Text wipedName(TextView path) {
  std::string name(path.view());
  const std::size_t separator = name.find_last_of(":/\\");
  const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
  for (std::size_t i = start; i < name.size(); ++i) {
    if (name[i] != '.') name[i] = 'z';
  }
  return Text(TextView(name));
}

// Appends a "z" line, then covers the whole file, that line included, with "===>"
// lines. Both go through one update stream so that a missing file is never created.
bool overwrite(TextView path) {
  LineFile file = openForUpdate(path);
  if (!file) return false;
  std::FILE* f = file.stream();
  if (std::fseek(f, 0, SEEK_END) != 0 || !writeLine(file, "z")) return false;
  const long size = fileSize(file);
  if (size < 0 || std::fseek(f, 0, SEEK_SET) != 0) return false;
  for (long i = 0; i <= size / 6; ++i) {
    if (!writeLine(file, "===>")) return false;
  }
  return file.close();
}

}  // namespace

bool fileExists(TextView path) {
  bool endOfFile = false;
  return openForReading(path, endOfFile).isOpen();
}

bool deleteFile(TextView path) {
  // remove() would also take an empty folder away on some systems.
  if (isFolder(path)) return false;
  return std::remove(std::string(path.view()).c_str()) == 0;
}

bool renameFile(TextView oldPath, TextView newPath) {
  // Never replaces what stands at newPath, the same on every system.
  if (somethingAt(newPath)) return false;
  return std::rename(std::string(oldPath.view()).c_str(), std::string(newPath.view()).c_str()) == 0;
}

bool copyFile(TextView existingPath, TextView newPath) {
  std::error_code error;
  return fs::copy_file(fs::path(existingPath.view()), fs::path(newPath.view()),
                       fs::copy_options::overwrite_existing, error) &&
         !error;
}

bool wipeAndDelete(TextView path) {
  if (!overwrite(path)) return false;
  const Text newName = wipedName(path);
  // A name made only of z's and dots is already its own new name.
  if (newName.view() != path.view() && !renameFile(path, newName)) return false;
  return deleteFile(newName);
}

}  // namespace qiro
