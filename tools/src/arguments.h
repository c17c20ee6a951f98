// Reading qiro-tool's command-line arguments: whole numbers, number options, definition tokens.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#include "text/text_list.h"
#include "tools/tool.h"

namespace qiro {

// An option followed by a whole number from lo to hi, written to *value.
struct NumberOption {
  std::string_view name;
  int lo;
  int hi;
  int* value;
};

// text as a whole number from lo to hi: digits with an optional leading minus, nothing
// else around them.
std::optional<int> integerIn(std::string_view text, int lo, int hi);

// Options may stand anywhere among the tokens and the last one counts; each other
// argument may hold several comma-separated definition tokens, appended to definition.
// Answers false after writing one error line that starts with "qiro-tool COMMAND:".
bool readDefinitionArguments(std::string_view command, ToolArguments args,
                             std::span<const NumberOption> options, TextList& definition,
                             std::ostream& err);

}  // namespace qiro
