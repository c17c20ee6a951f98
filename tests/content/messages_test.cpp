// Tests of the composed messages and the names built at start-up.
#include "content/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/start_names.h"

namespace qiro {
namespace {

std::string compose(int kind, Language language, TextView a = {}, TextView b = {}) {
  return std::string(composeMessage(kind, a, b, language).view());
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines(1);
  for (const char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

TEST(Messages, FixedWordingsAndTheirArguments) {
  constexpr Language en = Language::kEnglish;
  constexpr Language fr = Language::kFrench;
  EXPECT_EQ(compose(4, en, "3"), "Load Grid #3 ?");
  EXPECT_EQ(compose(5, en, "2"), "Grid #2 is already in use.\n\nReload grid #2 ?");
  EXPECT_EQ(compose(7, fr, "1805-9", "54"), "Grille 1805-9\n54 cases.");
  EXPECT_EQ(compose(7, en, "1805-9", "54"), "Grid: 1805-9\n54 cells.");
  EXPECT_EQ(compose(10, fr), "Retour valeurs fixes?");
  // The French forms put the number where the English ones do.
  EXPECT_TRUE(compose(4, fr, "3").ends_with("#3 ?"));
  const std::vector<std::string> inUse = linesOf(compose(5, fr, "2"));
  ASSERT_EQ(inUse.size(), 3U);
  EXPECT_NE(inUse[0].find("#2"), std::string::npos);
  EXPECT_EQ(inUse[1], "");
  EXPECT_TRUE(inUse[2].ends_with("#2 ?"));
}

TEST(Messages, CongratulationTakesTheGridNumber) {
  for (const Language language : {Language::kEnglish, Language::kFrench}) {
    const std::string text = compose(6, language, "4");
    EXPECT_NE(text.find("#4"), std::string::npos) << text;
    EXPECT_EQ(text.find("zukv"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with(".\n\n*** BRAVO ***")) << text;
    // A number longer than the placeholder does not fit its room: the text keeps it.
    EXPECT_NE(compose(6, language, "12345").find("zukv"), std::string::npos);
  }
}

// Every kind composes in both languages with its lines as listed; no blank is doubled or
// left at a line's end.
TEST(Messages, EveryKindHasItsLinesInBothLanguages) {
  struct Case {
    int kind;
    std::size_t englishLines;
    std::size_t frenchLines;
  };
  const Case cases[] = {{2, 2, 2},  {3, 2, 5},  {4, 1, 1},  {5, 3, 3},  {6, 3, 3},
                        {7, 2, 2},  {8, 1, 1},  {9, 1, 1},  {10, 1, 1}, {11, 1, 1},
                        {12, 1, 1}, {13, 4, 4}, {14, 2, 3}, {15, 3, 3}};
  for (const Case& c : cases) {
    for (const Language language : {Language::kEnglish, Language::kFrench}) {
      const std::string text = compose(c.kind, language, "1", "2");
      const std::vector<std::string> lines = linesOf(text);
      EXPECT_EQ(lines.size(), language == Language::kEnglish ? c.englishLines : c.frenchLines)
          << c.kind << ": " << text;
      EXPECT_EQ(text.find("  "), std::string::npos) << text;
      for (const std::string& line : lines)
        EXPECT_FALSE(line.ends_with(' ')) << c.kind << ": " << text;
    }
  }
  // The fifth page opens with a line break.
  EXPECT_TRUE(compose(13, Language::kEnglish).starts_with("\n"));
  EXPECT_TRUE(compose(13, Language::kFrench).starts_with("\n"));
  // French letters arrive as bytes of the program's code page.
  EXPECT_NE(compose(9, Language::kFrench).find('\xE9'), std::string::npos);
}

TEST(Messages, KindsOutsideTheCatalogueAreEmpty) {
  for (const int kind : {-1, 0, 1, 16, 1000}) {
    EXPECT_EQ(compose(kind, Language::kEnglish, "1", "2"), "") << kind;
    EXPECT_EQ(compose(kind, Language::kFrench, "1", "2"), "") << kind;
  }
}

TEST(StartNames, TitleBaseNameAndPreferencesFile) {
  EXPECT_EQ(windowTitle().view(), "Q-I-RO-119");
  EXPECT_EQ(programBaseName().view(), "Q-I-RO-demo119");
  EXPECT_EQ(preferencesFileName().view(), "Q-I-RO-119.TXT");
  // Sorts above every setting line of the preferences file.
  EXPECT_TRUE(preferencesComment().view().starts_with("# "));
  EXPECT_FALSE(webAddress().isEmpty());
}

}  // namespace
}  // namespace qiro
