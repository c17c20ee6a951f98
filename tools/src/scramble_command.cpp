// qiro-tool scramble / unscramble: a text turned into its stored form and back.
#include <cstddef>
#include <string_view>

#include "toolkit/scrambler.h"
#include "tools/tool.h"

namespace qiro {

namespace {

// The one TEXT argument, when it can be a stored text and print on one line.
bool readText(std::string_view command, ToolArguments args, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: qiro-tool " << command << " TEXT\n";
    return false;
  }
  const std::string_view text = args.front();
  if (text.size() > static_cast<std::size_t>(kMaxStoredLength)) {
    err << "qiro-tool " << command << ": the text has " << text.size()
        << " characters; stored texts have at most " << kMaxStoredLength << "\n";
    return false;
  }
  if (text.find_first_of("\r\n") != std::string_view::npos) {
    err << "qiro-tool " << command << ": the text holds a line break\n";
    return false;
  }
  return true;
}

}  // namespace

int runScrambleCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out,
                       std::ostream& err) {
  if (!readText("scramble", args, err)) return kToolUsageError;
  const ScrambleResult result = scramble(args.front());
  out << result.stored.view() << '\n';
  if (!result.outside.empty()) {
    // Still a faithful stored form, but these characters show in it unscrambled.
    err << "qiro-tool scramble: characters outside the alphabets, kept as they are, at";
    for (const int position : result.outside)
      err << ' ' << position;
    err << '\n';
  }
  return kToolSuccess;
}

int runUnscrambleCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out,
                         std::ostream& err) {
  if (!readText("unscramble", args, err)) return kToolUsageError;
  out << unscramble(args.front()).view() << '\n';
  return kToolSuccess;
}

}  // namespace qiro
