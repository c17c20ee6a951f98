// Tests of qiro-tool scramble and unscramble.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tool_run.h"
#include "tools/tool.h"

namespace qiro {
namespace {

TEST(ScrambleCommand, EachCommandPrintsTheOtherForm) {
  const std::string plain = "R\xE8gles du jeu, niveau 3 !";
  const ToolRun scrambled = run({"scramble", plain});
  ASSERT_EQ(scrambled.status, 0);
  EXPECT_EQ(scrambled.err, "");
  ASSERT_EQ(scrambled.out.size(), plain.size() + 1);
  ASSERT_EQ(scrambled.out.back(), '\n');
  const std::string stored = scrambled.out.substr(0, plain.size());
  EXPECT_NE(stored, plain);
  const ToolRun back = run({"unscramble", stored});
  EXPECT_EQ(back.status, 0);
  EXPECT_EQ(back.out, plain + "\n");
  EXPECT_EQ(run({"unscramble", ""}).out, "\n");
}

TEST(ScrambleCommand, CharactersOutsideTheAlphabetsAreListed) {
  const ToolRun result = run({"scramble", "A#B@"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err,
            "qiro-tool scramble: characters outside the alphabets, kept as they are, at 2 4\n");
  EXPECT_EQ(run({"unscramble", result.out.substr(0, 4)}).out, "A#B@\n");
}

TEST(ScrambleCommand, BadArgumentsExitWithStatus2) {
  const std::string tooLong(152, 'a');
  const std::vector<std::vector<std::string_view>> cases = {
      {"scramble"},
      {"unscramble", "a", "b"},
      {"scramble", tooLong},
      {"unscramble", tooLong},
      {"scramble", "two\nlines"},
  };
  for (const auto& args : cases) {
    const ToolRun result = run(args);
    EXPECT_EQ(result.status, 2) << args.front() << ' ' << args.size();
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err, "");
  }
}

}  // namespace
}  // namespace qiro
