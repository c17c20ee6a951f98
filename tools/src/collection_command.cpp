// qiro-tool collection and message: the built-in grids and the composed messages.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "content/builtin_grids.h"
#include "content/messages.h"
#include "game/grid.h"
#include "platform/encoding.h"
#include "tools/tool.h"

namespace qiro {

int runCollectionCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out,
                         std::ostream& err) {
  if (!args.empty()) {
    err << "usage: qiro-tool collection\n";
    return kToolUsageError;
  }
  for (const BuiltinGrid& entry : builtinGrids()) {
    Grid grid;
    grid.setfromgrivecdef(definitionTokensOf(plainLinesOf(entry)));
    grid.ensureCellRecords();
    out << "entry " << entry.key << " level=" << entry.level
        << " lines=" << entry.storedLines.size() << " cells=" << grid.cellCount()
        << " hexagons=" << grid.hexagonCount() << '\n';
  }
  return kToolSuccess;
}

int runMessageCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out,
                      std::ostream& err) {
  Language language = Language::kFrench;
  std::vector<std::string_view> rest;
  for (const std::string_view arg : args) {
    if (arg == "--english") {
      language = Language::kEnglish;
    } else {
      rest.push_back(arg);
    }
  }
  const std::optional<int> kind = rest.empty() ? std::nullopt : integerIn(rest[0], -32768, 32767);
  if (!kind || rest.size() > 3) {
    err << "usage: qiro-tool message KIND [ARG1 [ARG2]] [--english]\n";
    return kToolUsageError;
  }
  // The program's texts are code-page bytes; the terminal writes and reads UTF-8.
  std::array<std::string, 2> arguments;
  for (std::size_t i = 1; i < rest.size(); ++i) {
    const std::optional<std::string> bytes = windows1252FromUtf8(rest[i]);
    if (!bytes) {
      err << "qiro-tool message: '" << rest[i] << "' has a character the game cannot show\n";
      return kToolUsageError;
    }
    arguments[i - 1] = *bytes;
  }
  out << utf8FromWindows1252(composeMessage(*kind, arguments[0], arguments[1], language).view())
      << '\n';
  return kToolSuccess;
}

}  // namespace qiro
