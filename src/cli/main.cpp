#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);  // the output of a range of dates is large
  return corvane::runCli(argc, argv, std::cin, std::cout, std::cerr);
}
