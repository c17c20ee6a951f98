// Text scrambler: the stored form of the program's fixed texts and the way back to plain text.
#pragma once

#include <string_view>
#include <vector>

#include "text/char_map.h"
#include "text/text.h"

namespace qiro {

// The longest stored text: it fills the shared result area but for the closing zero byte.
constexpr int kMaxStoredLength = 151;
constexpr int kScrambleAlphabetSize = 90;

// The 90 characters the substitution touches, as Latin-1 bytes: capitals, small letters,
// digits, 19 accented small letters, then 9 punctuation characters with the blank.
std::string_view plainAlphabet();
// The same characters reflected: position i holds the one at (k - i) mod 90 of the plain
// alphabet, so substituting twice gives the character back.
std::string_view cipherAlphabet();
// Each cipher character to the plain one at the same position; every other code to itself.
const CharMap& scrambleTable();
bool inScrambleAlphabet(char c);

// The plain form of a stored text, the same length. The result lives in one shared area
// that the next call overwrites: copy it or use it before calling again. A stored text
// longer than kMaxStoredLength cannot be one and gives the empty text.
TextView unscramble(TextView stored);

struct ScrambleResult {
  // The form unscramble turns back into the plain text; empty when the text is too long.
  Text stored;
  bool tooLong = false;
  // 1-based positions of plain characters outside the alphabets. They still come back
  // unchanged, but they are stored as they are, readable among the scrambled ones.
  std::vector<int> outside;

  bool clean() const { return !tooLong && outside.empty(); }
};

// The stored form of plain (the build's direction; the program never scrambles).
ScrambleResult scramble(TextView plain);

}  // namespace qiro
