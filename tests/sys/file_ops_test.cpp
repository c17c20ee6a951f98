// Tests of file operations by name: existence, delete, rename, copy and wipe.
#include "sys/file_ops.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace qiro {
namespace {

using FileOpsTest = TempFolder;

TEST_F(FileOpsTest, OnlyFilesExistAndOnlyFilesAreDeleted) {
  writeBytes("f", "x");
  makeFolder("empty", false);
  EXPECT_TRUE(fileExists(pathOf("f")));
  EXPECT_FALSE(fileExists(pathOf("empty")));
  EXPECT_FALSE(fileExists(pathOf("missing")));
  EXPECT_FALSE(fileExists(""));

  EXPECT_FALSE(deleteFile(pathOf("empty")));
  EXPECT_TRUE(exists("empty"));
  EXPECT_FALSE(deleteFile(pathOf("missing")));
  EXPECT_TRUE(deleteFile(pathOf("f")));
  EXPECT_FALSE(exists("f"));
}

TEST_F(FileOpsTest, RenameMovesTheFileButNeverReplacesAnother) {
  writeBytes("a", "first");
  writeBytes("b", "second");
  EXPECT_FALSE(renameFile(pathOf("a"), pathOf("b")));
  EXPECT_EQ(readBytes("a"), "first");
  EXPECT_EQ(readBytes("b"), "second");

  EXPECT_TRUE(renameFile(pathOf("a"), pathOf("\xE9t\xE9.txt")));
  EXPECT_FALSE(exists("a"));
  EXPECT_EQ(readBytes("\xE9t\xE9.txt"), "first");
  EXPECT_FALSE(renameFile(pathOf("missing"), pathOf("c")));
  EXPECT_FALSE(exists("c"));
}

TEST_F(FileOpsTest, CopyOverwritesAndKeepsEveryByte) {
  std::string all;
  for (int c = 0; c < 256; ++c)
    all.push_back(static_cast<char>(c));
  writeBytes("src", all);
  writeBytes("dst", std::string(1000, 'o'));
  EXPECT_TRUE(copyFile(pathOf("src"), pathOf("dst")));
  EXPECT_EQ(readBytes("dst"), all);
  EXPECT_EQ(readBytes("src"), all);

  EXPECT_FALSE(copyFile(pathOf("missing"), pathOf("new")));
  EXPECT_FALSE(exists("new"));
  // A copy onto itself must not empty the file first.
  EXPECT_FALSE(copyFile(pathOf("src"), pathOf("src")));
  EXPECT_EQ(readBytes("src"), all);
}

TEST_F(FileOpsTest, WipeRemovesTheFileAndLeavesNothingBehind) {
  for (const char* name : {"old.exe", "zz.z", "no_extension", "\xE9t\xE9.\xFF"}) {
    writeBytes(name, "0123456789");
    EXPECT_TRUE(wipeAndDelete(pathOf(name))) << name;
    EXPECT_EQ(entryCount(), 0) << name;
  }
}

// With a full folder standing at the z-name the rename fails, which keeps the
// overwritten file under its old name for inspection.
struct WipeCase {
  std::string name;
  std::size_t size;
  std::string zName;
  int markerLines;  // (size + 3) / 6 + 1: the "z" line is covered too
};

TEST_F(FileOpsTest, WipeCoversTheWholeContentAndRenamesToZs) {
  const WipeCase cases[] = {
      {"old.exe", 10, "zzz.zzz", 3},    {"empty.txt", 0, "zzzzz.zzz", 1},
      {"three", 3, "zzzzz", 2},         {"my.old.exe", 2999, "zz.zzz.zzz", 501},
      {"c:drive.x", 5, "c:zzzzz.z", 2}, {"back\\slash.x", 5, "back\\zzzzz.z", 2},
  };
  for (const WipeCase& c : cases) {
    writeBytes(c.name, std::string(c.size, '\xAA'));
    makeFolder(c.zName, true);
    EXPECT_FALSE(wipeAndDelete(pathOf(c.name))) << c.name;
    std::string expected;
    for (int i = 0; i < c.markerLines; ++i)
      expected += "===>\r\n";
    EXPECT_EQ(readBytes(c.name), expected) << c.name;
    EXPECT_EQ(readBytes(c.zName + "/inside"), "keep") << c.name;
  }
}

TEST_F(FileOpsTest, WipeCreatesNothingAndRemovesNoFolder) {
  EXPECT_FALSE(wipeAndDelete(pathOf("missing.exe")));
  EXPECT_FALSE(wipeAndDelete(""));
  EXPECT_EQ(entryCount(), 0);
  makeFolder("dir", false);
  EXPECT_FALSE(wipeAndDelete(pathOf("dir")));
  EXPECT_TRUE(std::filesystem::is_directory(native("dir")));
}

}  // namespace
}  // namespace qiro
