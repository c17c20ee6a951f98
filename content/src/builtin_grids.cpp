// The stored grids, and their definition tokens with the "%" clue suffixes.
#include "content/builtin_grids.h"

#include "plain_text.h"
#include "stored_tables.h"
#include "text/tokens.h"
#include "toolkit/scrambler.h"

namespace qiro {

namespace {

constexpr int kSuffixMax = 15;

}  // namespace

std::span<const BuiltinGrid> builtinGrids() {
  return stored::kGrids;
}

const BuiltinGrid* findBuiltinEntry(TextView key) {
  for (const BuiltinGrid& entry : builtinGrids()) {
    if (equalIgnoreCase(entry.key, key)) return &entry;
  }
  return nullptr;
}

TextList plainLinesOf(const BuiltinGrid& entry) {
  TextList lines;
  for (const std::string_view stored : entry.storedLines)
    lines.append(unscramble(stored));
  return lines;
}

Text builtinCatalogue() {
  return plainText(stored::kCatalogue);
}

TextList definitionTokensOf(const TextList& lines) {
  TextList tokens;
  Text rest;
  Text token;
  for (const Text& line : lines) {
    rest.assign(line);
    Text suffix;  // never carried into the next line
    while (rest.isNotEmpty()) {
      popToken(token, rest);
      if (startsWith(token, "%")) {
        suffix.assign(token.equalsIgnoreCase("%0") ? TextView() : TextView(token));
        keepFront(suffix, kSuffixMax);
      } else if (!startsWith(token, "#")) {
        tokens.append(token, suffix);
      }
    }
  }
  return tokens;
}

}  // namespace qiro
