// Line files: opening, reading and writing lines, and whole lists saved safely.
#include "sys/line_file.h"

#include <filesystem>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#elif __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace qiro {

namespace {

constexpr int kCR = 13;
constexpr int kLF = 10;

// Pushes the file's buffered bytes down to the disk, so that a rename that follows
// can never expose a file whose content is still only in memory.
bool flushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(f)) == 0;
#elif __has_include(<unistd.h>)
  return ::fsync(fileno(f)) == 0;
#else
  return true;
#endif
}

}  // namespace

LineFile openStream(TextView path, const char* mode);

bool LineFile::close() {
  std::FILE* f = stream_.release();
  if (f == nullptr) return true;
  const bool clean = std::ferror(f) == 0;
  return std::fclose(f) == 0 && clean;
}

LineFile openStream(TextView path, const char* mode) {
  LineFile file;
  // The C library opens a folder for reading on some systems; it is never a line file.
  std::error_code ignored;
  if (std::filesystem::is_directory(std::filesystem::path(path.view()), ignored)) return file;
  file.stream_.reset(std::fopen(std::string(path.view()).c_str(), mode));
  return file;
}

LineFile openForReading(TextView path, bool& endOfFile) {
  endOfFile = false;
  return openStream(path, "rb");
}

LineFile openForAppend(TextView path) {
  return openStream(path, "ab");
}

LineFile openForWriting(TextView path) {
  return openStream(path, "wb");
}

LineFile openForUpdate(TextView path) {
  return openStream(path, "rb+");
}

void readLine(Text& target, LineFile& file, bool& endOfFile) {
  std::FILE* f = file.stream();
  if (f == nullptr) {
    target.clear();
    endOfFile = true;
    return;
  }
  std::string line;
  line.reserve(120);
  bool readAny = false;
  for (;;) {
    const int c = std::fgetc(f);
    if (c == EOF) {
      if (!readAny) endOfFile = true;
      break;
    }
    readAny = true;
    if (c == kCR || c == kLF) {
      // The other byte of a CR LF or LF CR pair belongs to the same line end.
      const int next = std::fgetc(f);
      if (next != (c == kCR ? kLF : kCR) && next != EOF) std::ungetc(next, f);
      break;
    }
    if (c != 0) line.push_back(static_cast<char>(c));
  }
  line.erase(line.find_last_not_of(' ') + 1);
  target.assign(TextView(line));
}

bool writeLine(LineFile& file, TextView text) {
  std::FILE* f = file.stream();
  if (f == nullptr) return false;
  const std::string_view bytes = text.view();
  return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() &&
         std::fwrite("\r\n", 1, 2, f) == 2;
}

long fileSize(LineFile& file) {
  std::FILE* f = file.stream();
  if (f == nullptr) return -1;
  const long here = std::ftell(f);
  if (here < 0 || std::fseek(f, 0, SEEK_END) != 0) return -1;
  const long size = std::ftell(f);
  std::fseek(f, here, SEEK_SET);
  return size;
}

void loadLines(TextList& list, TextView path) {
  bool endOfFile = false;
  LineFile file = openForReading(path, endOfFile);
  if (!file) return;
  Text line;
  for (;;) {
    readLine(line, file, endOfFile);
    if (endOfFile) break;
    if (line.isNotEmpty()) list.append(line);
  }
}

Text temporaryPathFor(TextView path) {
  Text temporary;
  temporary.assign(path, ".tmp");
  return temporary;
}

bool saveLines(const TextList& list, TextView path) {
  const Text temporary = temporaryPathFor(path);
  LineFile file = openForWriting(temporary);
  if (!file) return false;  // whatever stands at the temporary path is not ours to remove
  bool written = true;
  for (int i = 1; written && i <= list.count(); ++i)
    written = writeLine(file, list.item(i));
  written = written && flushToDisk(file.stream());
  written = file.close() && written;
  std::error_code error;
  if (written) std::filesystem::rename(temporary.view(), path.view(), error);
  if (written && !error) return true;
  std::filesystem::remove(temporary.view(), error);
  return false;
}

}  // namespace qiro
