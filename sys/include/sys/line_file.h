// Line files: lines of bytes ended by CR, LF, CR LF or LF CR, written with CR LF.
#pragma once

#include <cstdio>
#include <memory>

#include "text/text.h"
#include "text/text_list.h"

namespace qiro {

// An open file in untranslated mode, closed when the object goes.
class LineFile {
 public:
  LineFile() = default;
  bool isOpen() const { return stream_ != nullptr; }
  explicit operator bool() const { return isOpen(); }
  // Answers false when anything written could not be flushed to the file.
  bool close();
  std::FILE* stream() const { return stream_.get(); }

 private:
  friend LineFile openStream(TextView path, const char* mode);
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> stream_;
};

// Opens with "rb" and clears the end-of-file flag; a folder does not open.
LineFile openForReading(TextView path, bool& endOfFile);
LineFile openForAppend(TextView path);
LineFile openForWriting(TextView path);
// Opens with "rb+": reading and writing in place, nothing created or emptied.
LineFile openForUpdate(TextView path);
// The next line without its trailing spaces; sets endOfFile when the end of the file
// comes before any character of a line. Zero bytes, which a text cannot hold, are dropped.
// A file that is not open gives the empty text and sets the flag.
void readLine(Text& target, LineFile& file, bool& endOfFile);
// The bytes of text, then CR LF; answers false when the write failed.
bool writeLine(LineFile& file, TextView text);
// Size in bytes, or -1 when the file is not open or cannot seek; the position is kept.
long fileSize(LineFile& file);

// Appends every non-empty line of the file; a missing file changes nothing.
void loadLines(TextList& list, TextView path);
// Writes the list through a temporary file in the same folder that replaces the target
// only once it is complete: on any failure the answer is false and the old file stays.
bool saveLines(const TextList& list, TextView path);
// Where saveLines builds the new file before it replaces path.
Text temporaryPathFor(TextView path);

}  // namespace qiro
