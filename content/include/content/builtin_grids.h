// The built-in grids as the build compiled them: key, level and definition lines.
#pragma once

#include <span>
#include <string_view>

#include "text/text.h"
#include "text/text_list.h"

namespace qiro {

struct BuiltinGrid {
  std::string_view key;
  int level = 0;
  std::span<const std::string_view> lines;
};

// Every entry, in the order the collection is searched.
std::span<const BuiltinGrid> builtinGrids();
// The entry whose key equals key (ASCII case ignored), or null.
const BuiltinGrid* findBuiltinEntry(TextView key);
// The keys of the selectable grids, comma-separated, grid 1 first.
std::string_view builtinCatalogue();

// The definition tokens of stored lines: a "%" token becomes the suffix joined to the
// tokens after it on its line ("%0" empties it), a "#" token is a comment.
TextList definitionTokensOf(std::span<const std::string_view> lines);

}  // namespace qiro
