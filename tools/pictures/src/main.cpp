// qiro-pictures --out DIR: draws the nine pictures of the rules pages into DIR.
#include <iostream>
#include <string_view>
#include <vector>

#include "pictures/pictures.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return qiro::runPictures(args, std::cerr);
}
