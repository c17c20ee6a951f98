// Running a qiro-tool command in the tests: its status and what it wrote.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tool.h"

namespace qiro {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

inline ToolRun run(std::vector<std::string_view> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = runTool(args, in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace qiro
