// Tests of the text scrambler: the alphabets, unscramble's steps and the round trip.
#include "toolkit/scrambler.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace qiro {
namespace {

char substituted(char c) {
  return static_cast<char>(scrambleTable().entries[static_cast<unsigned char>(c)]);
}

std::string unscrambled(std::string_view stored) {
  return std::string(unscramble(stored).view());
}

std::string roundTrip(std::string_view plain) {
  const ScrambleResult result = scramble(plain);
  return unscrambled(result.stored.view());
}

TEST(Scrambler, PlainAlphabetHoldsTheLettersDigitsAccentsAndPunctuation) {
  const std::string_view plain = plainAlphabet();
  ASSERT_EQ(plain.size(), 90U);
  EXPECT_EQ(plain.substr(0, 62), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
  for (const char c : plain.substr(62, 19)) {
    // Latin-1 small accented letters sit from 0xE0 to 0xFF, the division sign aside.
    const int code = static_cast<unsigned char>(c);
    EXPECT_TRUE(code >= 0xE0 && code != 0xF7) << code;
  }
  EXPECT_NE(plain.substr(81).find(' '), std::string_view::npos);
  for (std::size_t i = 0; i < plain.size(); ++i)
    EXPECT_EQ(plain.find(plain[i]), i) << "repeated character at " << i;
}

TEST(Scrambler, CipherAlphabetIsAReflectionOfThePlainOne) {
  const std::string_view plain = plainAlphabet();
  const std::string_view cipher = cipherAlphabet();
  ASSERT_EQ(cipher.size(), 90U);
  const std::size_t k = plain.find(cipher[0]);
  for (std::size_t i = 0; i < cipher.size(); ++i)
    EXPECT_EQ(cipher[i], plain[(k + 90 - i) % 90]) << i;
}

TEST(Scrambler, TableSwapsAlphabetCharactersInPairsAndKeepsTheRest) {
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    if (inScrambleAlphabet(c)) {
      EXPECT_NE(substituted(c), c) << code;
      EXPECT_TRUE(inScrambleAlphabet(substituted(c))) << code;
      EXPECT_EQ(substituted(substituted(c)), c) << code;
    } else {
      EXPECT_EQ(substituted(c), c) << code;
    }
  }
}

TEST(Scrambler, ShortTextsAreSubstitutedAndTwoCharactersSwapped) {
  EXPECT_EQ(unscrambled(""), "");
  for (const char c : std::string(plainAlphabet()) + "#\x01\xFF") {
    EXPECT_EQ(unscrambled(std::string(1, c)), std::string(1, substituted(c)));
    const std::string pair{c, 'q'};
    EXPECT_EQ(unscrambled(pair), std::string({substituted('q'), substituted(c)}));
  }
}

TEST(Scrambler, HalvesAreReversedThenInterleaved) {
  // Characters outside the alphabets show the movement alone.
  struct Case {
    std::string_view stored;
    std::string_view plain;
  };
  const Case cases[] = {
      {"#$&", "&#$"},
      {"#$&*", "*$&#"},
      {"#$&*+", "+$*#&"},
      {"#$&*+/", "/&+$*#"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(unscrambled(c.stored), c.plain) << c.stored;
    EXPECT_EQ(scramble(c.plain).stored.view(), c.stored) << c.plain;
  }
}

TEST(Scrambler, EveryAllowedCharacterComesBack) {
  const std::string plain(plainAlphabet());
  EXPECT_EQ(roundTrip(plain), plain);
  std::string reversed(plain.rbegin(), plain.rend());
  EXPECT_EQ(roundTrip(reversed), reversed);
  for (const char c : plain)
    EXPECT_EQ(roundTrip(std::string(1, c)), std::string(1, c));
}

TEST(Scrambler, RandomTextsComeBackWithTheirLength) {
  std::mt19937 random(20240519);
  const std::string_view plain = plainAlphabet();
  std::uniform_int_distribution<std::size_t> length(0, kMaxStoredLength);
  std::uniform_int_distribution<std::size_t> letter(0, plain.size() - 1);
  std::uniform_int_distribution<int> anyByte(1, 255);
  for (int round = 0; round < 2000; ++round) {
    std::string text(length(random), ' ');
    // Half the texts use the alphabets only, half any byte but zero.
    for (char& c : text)
      c = round % 2 == 0 ? plain[letter(random)] : static_cast<char>(anyByte(random));
    const ScrambleResult result = scramble(text);
    ASSERT_EQ(result.stored.length(), static_cast<int>(text.size()));
    ASSERT_EQ(unscrambled(result.stored.view()), text) << round;
    if (round % 2 == 0) {
      EXPECT_TRUE(result.clean());
    }
  }
}

TEST(Scrambler, CharactersOutsideTheAlphabetsAreReportedAndKept) {
  const ScrambleResult result = scramble("A#b\xC3\xA9;");
  EXPECT_FALSE(result.clean());
  EXPECT_FALSE(result.tooLong);
  EXPECT_EQ(result.outside, (std::vector<int>{2, 4, 5, 6}));
  for (const char c : std::string_view("#\xC3\xA9;"))
    EXPECT_NE(result.stored.view().find(c), std::string_view::npos);
  EXPECT_EQ(unscrambled(result.stored.view()), "A#b\xC3\xA9;");
}

TEST(Scrambler, TextsLongerThanTheResultAreaAreRefused) {
  const std::string longest(kMaxStoredLength, 'e');
  EXPECT_EQ(roundTrip(longest), longest);
  const std::string tooLong(kMaxStoredLength + 1, 'e');
  const ScrambleResult result = scramble(tooLong);
  EXPECT_TRUE(result.tooLong);
  EXPECT_EQ(result.stored.view(), "");
  EXPECT_EQ(unscrambled(tooLong), "");
}

TEST(Scrambler, ResultAreaIsSharedAndMayBeUnscrambledAgain) {
  const std::string expected = unscrambled("Bonjour");
  const TextView first = unscramble(scramble("Bonjour").stored);
  EXPECT_EQ(first.view(), "Bonjour");
  // The stored text is the previous result itself, in the area being written.
  const TextView second = unscramble(first);
  EXPECT_EQ(second.view(), expected);
  EXPECT_EQ(first.view().data(), second.view().data());
}

}  // namespace
}  // namespace qiro
