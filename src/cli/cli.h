#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

#include "base/result.h"
#include "composer/dismissal.h"
#include "output/paper.h"
#include "output/text_layout.h"

namespace corvane {

// What draws the pages of --pdf (print/pdf_file.h's pdfFileBytes, with Qt
// Gui): given in corvane-pdf and the tests, and none in corvane-cli, which
// leaves --pdf to corvane-pdf (cli/pdf_program.h).
using PdfPages = Result<std::string> (*)(std::span<const Dismissal> dismissals,
                                         const LongDateFormat& longDate, Paper paper);

// The command-line tool, callable in-process: returns the exit status (0
// done, 1 a file could not be written, 2 bad input). Nothing reaches `out`
// unless the whole request is good. `in` is read for --booklet -.
int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err, PdfPages pdfPages = nullptr);
// The same, with nothing to read.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           PdfPages pdfPages = nullptr);

}  // namespace corvane
