// The built-in grids as the build stored them: key, level and scrambled definition lines.
#pragma once

#include <span>
#include <string_view>

#include "text/text.h"
#include "text/text_list.h"

namespace qiro {

struct BuiltinGrid {
  std::string_view key;
  int level = 0;
  // Each line scrambled; plainLinesOf gives them back.
  std::span<const std::string_view> storedLines;
};

// Every entry, in the order the collection is searched.
std::span<const BuiltinGrid> builtinGrids();
// The entry whose key equals key (ASCII case ignored), or null.
const BuiltinGrid* findBuiltinEntry(TextView key);
// The entry's definition lines, unscrambled now.
TextList plainLinesOf(const BuiltinGrid& entry);
// The keys of the selectable grids, comma-separated, grid 1 first, unscrambled now.
Text builtinCatalogue();

// The definition tokens of plain definition lines: a "%" token becomes the suffix joined to
// the tokens after it on its line ("%0" empties it), a "#" token is a comment.
TextList definitionTokensOf(const TextList& lines);

}  // namespace qiro
