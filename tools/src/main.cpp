// qiro-tool's entry point: the arguments and standard streams handed to the dispatcher.
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return qiro::runTool(args, std::cin, std::cout, std::cerr);
}
