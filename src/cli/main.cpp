#include <iostream>

#include "cli/cli.h"
#include "cli/pdf_program.h"
#include "cli/standard_output.h"

int main(int argc, char** argv) {
  // --pdf is drawn by corvane-pdf, which takes this process's place.
  if (const std::optional<int> failed = corvane::runPdfProgramIfAsked(argc, argv, std::cerr)) {
    return *failed;
  }
  std::ios::sync_with_stdio(false);  // a list read from standard input may be long
  corvane::StandardOutput output;
  std::ostream out{&output};
  const int status = corvane::runCli(argc, argv, std::cin, out, std::cerr);
  return corvane::closeStandardOutput(output, status, std::cerr);
}
