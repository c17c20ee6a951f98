// Tests of the program path, the command line and the screen size.
#include "platform/process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/screen.h"

namespace qiro {
namespace {

TEST(Process, ProgramPathNamesThisProgramAndLeadsTheCommandLine) {
  const std::string path = programFilePath();
  EXPECT_TRUE(std::filesystem::path(path).is_absolute()) << path;
  EXPECT_EQ(std::filesystem::path(path).filename(), "platform_tests");
  EXPECT_TRUE(std::filesystem::exists(path));
  const std::string line = processCommandLine();
  EXPECT_EQ(line.substr(0, path.size()), path);
}

TEST(Process, JoinsArgumentsWithSingleSpacesAndAddsNoQuotes) {
  const std::vector<std::string> none;
  EXPECT_EQ(joinCommandLine("/games/qiro", none), "/games/qiro");
  const std::vector<std::string> arguments = {"killexe=/my games/old qiro", "", "x"};
  EXPECT_EQ(joinCommandLine("/my games/qiro", arguments),
            "/my games/qiro killexe=/my games/old qiro  x");
}

TEST(Screen, ThePrimaryScreenHasASize) {
  const ScreenSize screen = primaryScreenSize();
  EXPECT_GT(screen.width, 0);
  EXPECT_GT(screen.height, 0);
}

}  // namespace
}  // namespace qiro
