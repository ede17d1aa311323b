#pragma once

#include <istream>
#include <ostream>

namespace corvane {

// The command-line tool, callable in-process: returns the exit status (0
// done, 1 a file could not be written, 2 bad input). Nothing reaches `out`
// unless the whole request is good. `in` is read for --booklet -.
int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err);
// The same, with nothing to read.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace corvane
