// Text scrambler: substitution through a reflected alphabet, reversed halves, interleave.
#include "toolkit/scrambler.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <utility>

namespace qiro {

namespace {

constexpr std::size_t kAlphabet = kScrambleAlphabetSize;
constexpr std::size_t kArea = kMaxStoredLength + 1;

// Latin-1 escapes keep the source plain ASCII: à á â ä ç è é ê ë í î ï ñ ó ô ö ù û ü.
constexpr std::string_view kPlain =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
    "\xE0\xE1\xE2\xE4\xE7\xE8\xE9\xEA\xEB\xED\xEE\xEF\xF1\xF3\xF4\xF6\xF9\xFB\xFC"
    " ,.'-:!?%";

// Odd, so no character of the alphabet is its own substitute.
constexpr std::size_t kReflection = 61;

constexpr std::array<char, kAlphabet> reflected() {
  std::array<char, kAlphabet> cipher{};
  for (std::size_t i = 0; i < kAlphabet; ++i)
    cipher[i] = kPlain[(kReflection + kAlphabet - i) % kAlphabet];
  return cipher;
}

constexpr std::array<char, kAlphabet> kCipher = reflected();

constexpr bool allDistinct() {
  for (std::size_t i = 0; i < kAlphabet; ++i) {
    for (std::size_t j = i + 1; j < kAlphabet; ++j) {
      if (kPlain[i] == kPlain[j]) return false;
    }
  }
  return true;
}

static_assert(kPlain.size() == kAlphabet && allDistinct());
static_assert(kReflection % 2 == 1);

constexpr CharMap buildTable() {
  CharMap map;
  for (std::size_t i = 0; i < kAlphabet; ++i)
    map.entries[static_cast<unsigned char>(kCipher[i])] = static_cast<std::uint8_t>(kPlain[i]);
  return map;
}

// Built by the compiler, so it exists before any first use and costs nothing at run time.
constexpr CharMap kTable = buildTable();

char substitute(char c) {
  return static_cast<char>(kTable.entries[static_cast<unsigned char>(c)]);
}

// Reverses positions 1..h and h+1..n (a no-op below three characters).
void reverseHalves(char* text, std::size_t n) {
  const std::size_t h = n / 2;
  std::reverse(text, text + h);
  std::reverse(text + h, text + n);
}

// The shared result area of unscramble.
std::array<char, kArea> area{};

}  // namespace

std::string_view plainAlphabet() {
  return kPlain;
}

std::string_view cipherAlphabet() {
  return {kCipher.data(), kCipher.size()};
}

const CharMap& scrambleTable() {
  return kTable;
}

bool inScrambleAlphabet(char c) {
  return kPlain.find(c) != std::string_view::npos;
}

TextView unscramble(TextView stored) {
  const std::string_view source = stored.view();
  if (source.size() > kMaxStoredLength) {
    area[0] = '\0';
    return TextView(std::string_view(area.data(), 0));
  }
  const std::size_t n = source.size();
  // memmove: the stored text may be the previous result, still in the area.
  if (n > 0) std::memmove(area.data(), source.data(), n);
  area[n] = '\0';
  for (std::size_t p = 0; p < n; ++p)
    area[p] = substitute(area[p]);
  reverseHalves(area.data(), n);
  // The first h characters go to the even positions, the rest to the odd ones (1-based).
  const std::size_t h = n / 2;
  std::array<char, kArea> moved{};
  for (std::size_t k = 0; k < h; ++k)
    moved[2 * k + 1] = area[k];
  for (std::size_t k = 0; h + k < n; ++k)
    moved[2 * k] = area[h + k];
  std::copy_n(moved.begin(), n, area.begin());
  return TextView(std::string_view(area.data(), n));
}

ScrambleResult scramble(TextView plain) {
  ScrambleResult result;
  const std::string_view source = plain.view();
  if (source.size() > kMaxStoredLength) {
    result.tooLong = true;
    return result;
  }
  const std::size_t n = source.size();
  for (std::size_t p = 0; p < n; ++p) {
    if (!inScrambleAlphabet(source[p])) result.outside.push_back(static_cast<int>(p + 1));
  }
  // unscramble's steps undone in reverse order: gather the even positions, then the odd.
  const std::size_t h = n / 2;
  std::string bytes(n, '\0');
  for (std::size_t k = 0; k < h; ++k)
    bytes[k] = source[2 * k + 1];
  for (std::size_t k = 0; h + k < n; ++k)
    bytes[h + k] = source[2 * k];
  reverseHalves(bytes.data(), n);
  for (char& c : bytes)
    c = substitute(c);
  result.stored = Text::fromBytes(std::move(bytes));
  return result;
}

}  // namespace qiro
