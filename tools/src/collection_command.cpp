// qiro-tool collection and message: the built-in grids and the composed messages.
#include <optional>
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
  const TextView argument1 = rest.size() > 1 ? TextView(rest[1]) : TextView();
  const TextView argument2 = rest.size() > 2 ? TextView(rest[2]) : TextView();
  // The program's texts are code-page bytes; the terminal reads UTF-8.
  out << utf8FromWindows1252(composeMessage(*kind, argument1, argument2, language).view()) << '\n';
  return kToolSuccess;
}

}  // namespace qiro
