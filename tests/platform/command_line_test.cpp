// Tests of the command line taken apart into the arguments of a new program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/process.h"

namespace qiro {
namespace {

TEST(ProcessCommandLine, SplitsAtSpacesAndDropsTheEmptyPieces) {
  struct Case {
    std::string line;
    std::vector<std::string> arguments;
  };
  const Case cases[] = {
      {"", {}},
      {"   ", {}},
      {"killexe=old", {"killexe=old"}},
      {"  a  b c ", {"a", "b", "c"}},
      // Nothing is quoted, and only a space separates.
      {"\"a b\"", {"\"a", "b\""}},
      {"a\tb", {"a\tb"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(splitCommandLine(c.line), c.arguments) << c.line;
  }
}

TEST(ProcessCommandLine, JoiningTheArgumentsGivesTheLineBack) {
  const std::string line = "killexe=/games/old-qiro x";
  EXPECT_EQ(joinCommandLine("/games/qiro", splitCommandLine(line)), "/games/qiro " + line);
}

}  // namespace
}  // namespace qiro
