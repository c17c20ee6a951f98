// qiro-tool design: designs a grid for a set of hexagons and prints its definition lines.
#include <array>
#include <string>
#include <vector>

#include "arguments.h"
#include "designer.h"
#include "tools/tool.h"

namespace qiro {

int runDesignCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out,
                     std::ostream& err) {
  // --level7 takes no number: take it out before the other options are read.
  DesignOptions options;
  std::vector<std::string_view> rest;
  for (std::string_view arg : args) {
    if (arg == "--level7") {
      options.levelSeven = true;
    } else {
      rest.push_back(arg);
    }
  }
  int seed = 1;
  int lines = 0;
  const std::array numbers = {NumberOption{"--seed", 0, 2147483647, &seed},
                              NumberOption{"--lines", 0, 999, &lines}};
  TextList hexagons;
  if (!readDefinitionArguments("design", rest, numbers, hexagons, err)) return kToolUsageError;
  if (hexagons.isEmpty()) {
    err << "qiro-tool design: name the hexagons of the grid, as tokens such as X,XA,XB\n";
    return kToolUsageError;
  }
  options.seed = static_cast<std::uint32_t>(seed);
  options.lines = lines;
  std::string error;
  const auto design = designGrid(hexagons, options, error);
  if (!design) {
    err << "qiro-tool design: " << error << "\n";
    return kToolFailure;
  }
  for (const std::string& line : design->lines)
    out << line << '\n';
  return kToolSuccess;
}

}  // namespace qiro
