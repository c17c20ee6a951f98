// Reading qiro-tool's command-line arguments: whole numbers, number options, definition tokens.
#include "arguments.h"

#include <charconv>

#include "text/tokens.h"

namespace qiro {

namespace {

const NumberOption* optionNamed(std::span<const NumberOption> options, std::string_view name) {
  for (const NumberOption& option : options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

void appendTokens(std::string_view arg, TextList& definition) {
  Text tokens(arg);
  Text token;
  while (tokens.isNotEmpty()) {
    popToken(token, tokens);
    if (token.isNotEmpty()) definition.append(token);
  }
}

}  // namespace

std::optional<int> integerIn(std::string_view text, int lo, int hi) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < lo || value > hi)
    return std::nullopt;
  return value;
}

bool readDefinitionArguments(std::string_view command, ToolArguments args,
                             std::span<const NumberOption> options, TextList& definition,
                             std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (const NumberOption* option = optionNamed(options, arg)) {
      const std::optional<int> value =
          i + 1 < args.size() ? integerIn(args[++i], option->lo, option->hi) : std::nullopt;
      if (!value) {
        err << "qiro-tool " << command << ": " << arg << " needs a whole number from " << option->lo
            << " to " << option->hi << "\n";
        return false;
      }
      *option->value = *value;
    } else if (arg.starts_with('-')) {
      err << "qiro-tool " << command << ": unknown option '" << arg << "'\n";
      return false;
    } else {
      appendTokens(arg, definition);
    }
  }
  return true;
}

}  // namespace qiro
