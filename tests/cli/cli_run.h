#pragma once

// Runs corvane-cli in the test's own process.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace corvane::testing {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun runWith(std::vector<std::string> args, const std::string& input = {}) {
  args.insert(args.begin(), "corvane-cli");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::istringstream in{input};
  std::ostringstream out, err;
  const int status = runCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace corvane::testing
