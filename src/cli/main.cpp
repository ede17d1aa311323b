#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) { return corvane::runCli(argc, argv, std::cout, std::cerr); }
