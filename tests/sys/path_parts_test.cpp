// Tests of splitting paths into drive, directory, name and extension, and assembling them.
#include "sys/path_parts.h"

#include <gtest/gtest.h>

#include <string>

namespace qiro {
namespace {

struct SplitCase {
  std::string path, drive, directory, name, extension;
};

TEST(PathParts, SplitsAtTheFirstColonTheLastSlashAndTheFirstDot) {
  const std::string longName(3000, 'n');
  const SplitCase cases[] = {
      {"c:\\jeux\\prog.exe", "C:", "/jeux/", "prog", ".exe"},
      {"prog", "", "", "prog", ""},
      {"my.prog.exe", "", "", "my", ".prog.exe"},
      {"prog.", "", "", "prog", ""},
      {"dir/prog.   ", "", "dir/", "prog", ""},
      {"  my file . txt ", "", "", "my file", ".txt "},
      {".hidden", "", "", "", ".hidden"},
      {"a/b/", "", "a/b/", "", ""},
      {"c:d:e/f", "C:", "d:e/", "f", ""},
      {"network:", "NETWORK", "", "", ""},
      {"verylongdrive:x.y", "VERYLON", "", "x", ".y"},
      {"\xE9t\xE9:/r\xE9p/f\xEE.\xE0", "\xE9T\xE9:", "/r\xE9p/", "f\xEE", ".\xE0"},
      {"", "", "", "", ""},
      {"c:/" + longName + "." + longName, "C:", "/", longName, "." + longName},
  };
  for (const SplitCase& c : cases) {
    PathParts parts;
    parts.name.assign("stale");
    parts.extension.assign(".old");
    splitPath(parts, c.path);
    EXPECT_EQ(parts.drive.view(), c.drive) << c.path;
    EXPECT_EQ(parts.directory.view(), c.directory) << c.path;
    EXPECT_EQ(parts.name.view(), c.name) << c.path;
    EXPECT_EQ(parts.extension.view(), c.extension) << c.path;
  }
}

struct BuildCase {
  std::string path, pattern, result;
};

TEST(PathParts, BuildsFromTheLettersOfThePattern) {
  const BuildCase cases[] = {
      {"c:\\jeux\\prog.exe", "FX", "prog.exe"},
      {"c:\\jeux\\prog.exe", "URFX", "C:/jeux/prog.exe"},
      {"c:\\jeux\\prog.exe", "fx", "prog.exe"},
      {"c:\\jeux\\prog.exe", "F-X", "prog.exe"},
      {"c:\\jeux\\prog.exe", "  f  x ", "prog.exe"},
      {"c:\\jeux\\prog.exe", "UR", "C:/jeux/"},
      {"c:\\jeux\\prog.exe", "UF", "C:prog"},
      {"c:\\jeux\\prog.exe", "RF", "/jeux/prog"},
      {"c:\\jeux\\prog.exe", "XF", ".exeprog"},
      {"c:\\jeux\\prog.exe", "", ""},
      {"c:\\jeux\\prog.exe", "?\xE9\xFF", ""},
      {"prog", "FX", "prog."},
      {"prog", "URFX", "prog."},
      {"my.prog.exe", "FX", "my.prog.exe"},
      {"d:x", "URF", "D:/x"},  // UR in the pattern brings the slash even without a directory
  };
  for (const BuildCase& c : cases) {
    PathParts parts;
    splitPath(parts, c.path);
    Text target("stale");
    buildPath(parts, c.pattern, target);
    EXPECT_EQ(target.view(), c.result) << c.path << " with " << c.pattern;
  }
}

TEST(PathParts, TidiesDoubledSeparatorsAndDotsUntilNoneRemain) {
  PathParts parts;
  parts.drive.assign("A:");
  parts.directory.assign("//a////b\\\\\\\\c/");
  parts.name.assign("x...y");
  parts.extension.assign("....z");
  Text target;
  buildPath(parts, "URFX", target);
  EXPECT_EQ(target.view(), "A:/a/b\\c/x.y.z");
}

TEST(PathParts, PartsMayBeSplitFromAndBuiltIntoThemselves) {
  PathParts parts;
  parts.directory.assign("c:/d/n.e");
  splitPath(parts, parts.directory);
  EXPECT_EQ(parts.drive.view(), "C:");
  EXPECT_EQ(parts.directory.view(), "/d/");
  EXPECT_EQ(parts.name.view(), "n");
  EXPECT_EQ(parts.extension.view(), ".e");

  buildPath(parts, "FX", parts.name);
  EXPECT_EQ(parts.name.view(), "n.e");
}

}  // namespace
}  // namespace qiro
