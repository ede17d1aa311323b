#pragma once

#include <ostream>

namespace corvane {

// The command-line tool, callable in-process: returns the exit status
// (0 done, 2 bad input). Nothing reaches `out` unless the whole request is good.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace corvane
