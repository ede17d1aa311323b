// corvane-cli --pdf, run as its own process with no display: the pages hold
// what the same command prints, on the paper asked for.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/cli_run.h"
#include "support/pdf_reading.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using testing::commandOutput;
using testing::shellQuoted;
using testing::upper;
using testing::words;

TEST(CliPdf, ABookletWithoutADisplay) {
  if (!testing::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "week.txt").string();
  std::ofstream{list} << "2026-12-12 great-vespers\n2026-12-13 chrysostom\n";
  const std::string pdf = (folder.path() / "week.pdf").string();
  // No display, and no platform chosen: corvane-cli chooses one itself.
  const auto run = commandOutput(
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " CORVANE_CLI " --booklet " +
      shellQuoted(list) + " --pdf " + shellQuoted(pdf) + " --paper a4 && echo written");
  ASSERT_EQ(run, "written\n");

  const std::string pages = testing::pdfText(pdf);
  const std::string printed = testing::runWith({"--booklet", list}).out;
  // The printed text has an empty line between two dismissals where the PDF
  // starts a page; the headings come back in the capitals of their small caps.
  EXPECT_EQ(upper(words(pages)), upper(words(printed)));
  EXPECT_NE(words(pages).find("May Christ our true God"), std::string::npos) << pages;
  EXPECT_EQ(std::count(pages.begin(), pages.end(), '\f'), 2);
  const std::string info = testing::pdfInfo(pdf);
  EXPECT_EQ(testing::pdfInfoField(info, "Page size"), "842 x 595 pts (A4)") << info;
}

}  // namespace
}  // namespace corvane
