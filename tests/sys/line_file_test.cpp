// Tests of line files: line ends, trailing spaces, the end-of-file flag, loading and safe saving.
#include "sys/line_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace qiro {
namespace {

using Lines = std::vector<std::string>;

class LineFileTest : public TempFolder {
 protected:
  // Every line readLine gives before it sets the flag; checks the flag's own rules on the way.
  Lines readAll(const std::string& name) {
    bool endOfFile = true;
    LineFile file = openForReading(pathOf(name), endOfFile);
    EXPECT_TRUE(file.isOpen());
    EXPECT_FALSE(endOfFile) << "opening clears the flag";
    Lines lines;
    Text line("stale");
    while (lines.size() < 100) {
      readLine(line, file, endOfFile);
      if (endOfFile) break;
      lines.emplace_back(line.view());
    }
    EXPECT_TRUE(line.isEmpty()) << "the call that meets the end gives the empty text";
    readLine(line, file, endOfFile);
    EXPECT_TRUE(endOfFile) << "the flag stays set";
    EXPECT_TRUE(line.isEmpty());
    return lines;
  }

  Lines loaded(TextList& list) {
    Lines lines;
    for (int i = 1; i <= list.count(); ++i)
      lines.emplace_back(list.item(i)->view());
    return lines;
  }
};

struct ReadCase {
  std::string bytes;
  Lines lines;
};

TEST_F(LineFileTest, ReadsEveryLineEndAndTrimsTrailingSpaces) {
  const std::string longLine(5000, 'q');
  const ReadCase cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\n\rb\n\r", {"a", "b"}},
      // Pairs are taken once: CR LF then LF CR is two line ends, LF LF and CR CR too.
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\r\n\n\rb", {"a", "", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\r\rb", {"a", "", "b"}},
      {"x", {"x"}},
      {"x\r", {"x"}},
      {"", {}},
      {"\r\n", {""}},
      {"   \r\n", {""}},
      {"abc   \r\n   abc\r\n", {"abc", "   abc"}},
      {"tab\t \r\n", {"tab\t"}},
      {"\xE9t\xE9 \xFF\r\n\x80", {"\xE9t\xE9 \xFF", "\x80"}},
      {longLine + "  \r\n" + std::string(500, '\xC8'), {longLine, std::string(500, '\xC8')}},
      // A text holds no zero byte: it is dropped and the rest of the line kept.
      {std::string("a\0b \0\r\n", 7) + "c", {"ab", "c"}},
      {std::string("\0", 1), {""}},
  };
  for (const ReadCase& c : cases) {
    writeBytes("lines.txt", c.bytes);
    EXPECT_EQ(readAll("lines.txt"), c.lines) << testing::PrintToString(c.bytes);
  }
}

TEST_F(LineFileTest, FileSizeKeepsThePositionEvenAfterAPushedBackByte) {
  writeBytes("f.txt", "a\rbcdefghi");
  bool endOfFile = false;
  LineFile file = openForReading(pathOf("f.txt"), endOfFile);
  Text line;
  readLine(line, file, endOfFile);  // looks at 'b' after the CR and puts it back
  EXPECT_EQ(line.view(), "a");
  EXPECT_EQ(fileSize(file), 10);
  readLine(line, file, endOfFile);
  EXPECT_EQ(line.view(), "bcdefghi");
}

TEST_F(LineFileTest, ClosedFilesAndFoldersAreRefusedQuietly) {
  makeFolder("dir", false);
  bool endOfFile = false;
  EXPECT_FALSE(openForReading(pathOf("dir"), endOfFile));
  EXPECT_FALSE(openForReading(pathOf("missing"), endOfFile));
  EXPECT_FALSE(openForReading("", endOfFile));
  EXPECT_FALSE(openForWriting(pathOf("dir")));
  EXPECT_FALSE(openForAppend(pathOf("dir")));
  EXPECT_FALSE(openForUpdate(pathOf("missing")));
  EXPECT_FALSE(exists("missing"));

  LineFile closed;
  Text line("stale");
  readLine(line, closed, endOfFile);
  EXPECT_TRUE(endOfFile);
  EXPECT_TRUE(line.isEmpty());
  EXPECT_FALSE(writeLine(closed, "x"));
  EXPECT_EQ(fileSize(closed), -1);
  EXPECT_TRUE(closed.close());
}

TEST_F(LineFileTest, WritingEmptiesAppendingExtendsAndUpdatingOverwritesInPlace) {
  LineFile file = openForWriting(pathOf("w.txt"));
  ASSERT_TRUE(file);
  EXPECT_TRUE(writeLine(file, "one"));
  EXPECT_TRUE(writeLine(file, ""));
  EXPECT_TRUE(file.close());
  EXPECT_EQ(readBytes("w.txt"), "one\r\n\r\n");

  file = openForAppend(pathOf("w.txt"));
  EXPECT_TRUE(writeLine(file, "two"));
  EXPECT_TRUE(file.close());
  EXPECT_EQ(readBytes("w.txt"), "one\r\n\r\ntwo\r\n");

  file = openForUpdate(pathOf("w.txt"));
  EXPECT_TRUE(writeLine(file, "ONE"));
  EXPECT_TRUE(file.close());
  EXPECT_EQ(readBytes("w.txt"), "ONE\r\n\r\ntwo\r\n");

  file = openForWriting(pathOf("w.txt"));
  EXPECT_TRUE(file.close());
  EXPECT_EQ(readBytes("w.txt"), "");
}

TEST_F(LineFileTest, CloseReportsWritesThatNeverReachedTheFile) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "needs a device that is always full";
  LineFile file = openForWriting("/dev/full");
  ASSERT_TRUE(file);
  writeLine(file, "lost");  // may only reach the buffer
  EXPECT_FALSE(file.close());
}

TEST_F(LineFileTest, LoadLinesAppendsNonEmptyLinesAndKeepsTheList) {
  writeBytes("l.txt", "a\r\n\r\n   \r\nb  ");
  TextList list;
  list.append("kept");
  loadLines(list, pathOf("l.txt"));
  loadLines(list, pathOf("l.txt"));
  EXPECT_EQ(loaded(list), (Lines{"kept", "a", "b", "a", "b"}));

  makeFolder("dir", true);
  writeBytes("empty.txt", "");
  for (const char* name : {"missing", "dir", "empty.txt"}) {
    loadLines(list, pathOf(name));
    EXPECT_EQ(list.count(), 5) << name;
  }
}

TEST_F(LineFileTest, SaveLinesWritesExactBytesAndReplacesTheOldFile) {
  writeBytes("s.txt", "a much longer old content that must not survive\r\n");
  TextList list;
  list.append("a");
  list.append("b");
  EXPECT_TRUE(saveLines(list, pathOf("s.txt")));
  EXPECT_EQ(readBytes("s.txt"), "a\r\nb\r\n");
  EXPECT_EQ(entryCount(), 1) << "no temporary file is left";

  EXPECT_TRUE(saveLines(TextList(), pathOf("new.txt")));
  EXPECT_TRUE(exists("new.txt"));
  EXPECT_EQ(readBytes("new.txt"), "");
}

TEST_F(LineFileTest, SavedListsLoadBackUnchanged) {
  TextList list;
  for (const std::string& item : {std::string("   leading"), std::string("\x80\xE9\xFF"),
                                  std::string(3000, 'w'), std::string("key=value, more")}) {
    list.append(item);
  }
  ASSERT_TRUE(saveLines(list, pathOf("round.txt")));
  TextList back;
  loadLines(back, pathOf("round.txt"));
  EXPECT_EQ(loaded(back), loaded(list));
}

TEST_F(LineFileTest, FailedSaveLeavesTheOldFileExactlyAsItWas) {
  const std::string old = "old line \r\nsecond\r\n";
  TextList list;
  list.append("new");

  // The temporary file cannot be made.
  writeBytes("blocked.txt", old);
  const std::string blockedTemp =
      std::filesystem::path(std::string(temporaryPathFor(pathOf("blocked.txt")).view()))
          .filename()
          .string();
  makeFolder(blockedTemp, false);
  EXPECT_FALSE(saveLines(list, pathOf("blocked.txt")));
  EXPECT_EQ(readBytes("blocked.txt"), old);
  EXPECT_TRUE(std::filesystem::is_directory(native(blockedTemp))) << "not ours to remove";

  // The temporary file is written but cannot take the target's place.
  makeFolder("target", true);
  const int entries = entryCount();
  EXPECT_FALSE(saveLines(list, pathOf("target")));
  EXPECT_EQ(readBytes("target/inside"), "keep");
  EXPECT_EQ(entryCount(), entries) << "the temporary file is removed";

  // The folder of the target does not exist.
  EXPECT_FALSE(saveLines(list, pathOf("nowhere/x.txt")));
  EXPECT_EQ(entryCount(), entries);
}

TEST_F(LineFileTest, TemporaryPathStaysInTheSameFolder) {
  const std::filesystem::path target(std::string(pathOf("prefs.TXT").view()));
  const std::filesystem::path temporary(std::string(temporaryPathFor(target.string()).view()));
  EXPECT_EQ(temporary.parent_path(), target.parent_path());
  EXPECT_NE(temporary, target);
}

}  // namespace
}  // namespace qiro
