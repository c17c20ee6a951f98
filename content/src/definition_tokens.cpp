// Definition tokens from stored definition lines and their "%" clue suffixes.
#include "content/builtin_grids.h"
#include "text/tokens.h"

namespace qiro {

namespace {

constexpr int kSuffixMax = 15;

}  // namespace

TextList definitionTokensOf(std::span<const std::string_view> lines) {
  TextList tokens;
  Text rest;
  Text token;
  for (std::string_view line : lines) {
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

const BuiltinGrid* findBuiltinEntry(TextView key) {
  for (const BuiltinGrid& entry : builtinGrids()) {
    if (equalIgnoreCase(entry.key, key)) return &entry;
  }
  return nullptr;
}

}  // namespace qiro
