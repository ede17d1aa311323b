#pragma once

// Runs corvane-cli in the test's own process, its --pdf drawn in the process
// too (as corvane-pdf draws it); what its tests share.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "print/pdf_file.h"

namespace corvane::testing {

using Args = std::vector<std::string>;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun runWith(Args args, const std::string& input = {}) {
  args.insert(args.begin(), "corvane-cli");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::istringstream in{input};
  std::ostringstream out, err;
  const int status = runCli(static_cast<int>(argv.size()), argv.data(), in, out, err, pdfFileBytes);
  return {status, out.str(), err.str()};
}

inline Args with(Args args, const Args& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

}  // namespace corvane::testing
