// corvane-cli --booklet: a list of services in one text, JSON or PDF (the
// document: cli_test; a bad list: messages_test); --pdf in a process of its
// own, drawn by corvane-pdf.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/cli_run.h"
#include "platform/atomic_file.h"
#include "support/pdf_reading.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::runWith;

TEST(CliBooklet, EveryEntryOfTheList) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "week.txt").string();
  const std::string weekend =
      "# the weekend\n2026-12-12 great-vespers\n\n2026-12-13 orthros\n2026-12-13\tchrysostom\n";
  std::ofstream{list} << weekend;
  const auto one = [](const char* service, const char* date, const testing::Args& more = {}) {
    return runWith(testing::with({"--service", service, "--date", date}, more)).out;
  };
  // The text of each, as a range prints it; one JSON line each, standard input read for "-".
  const CliRun text = runWith({"--booklet", list});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out, one("great-vespers", "2026-12-12") + "\n" + one("orthros", "2026-12-13") +
                          "\n" + one("chrysostom", "2026-12-13"));
  const CliRun json = runWith({"--booklet", "-", "--json", "--patron", "cross"}, weekend);
  ASSERT_EQ(json.status, 0) << json.err;
  const testing::Args cross = {"--json", "--patron", "cross"};
  EXPECT_EQ(json.out, one("great-vespers", "2026-12-12", cross) +
                          one("orthros", "2026-12-13", cross) +
                          one("chrysostom", "2026-12-13", cross));
}

// A list with several bad lines: each is said on a line of its own, status
// 2, nothing composed or written.
TEST(CliBooklet, EveryBadLineIsSaid) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "week.txt").string();
  std::ofstream{list} << "2026-12-12 vesper\n2026-12-13 orthros\n2026-12-32 orthros\n"
                         "2026-12-13 orthros evening\n";
  const std::string docx = (folder.path() / "week.docx").string();
  const CliRun run = runWith({"--booklet", list, "--docx", docx});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "corvane-cli: " + list +
                         ":1: unknown service 'vesper' (one of great-vespers, daily-vespers, "
                         "orthros, daily-orthros, chrysostom, basil, presanctified)\n"
                         "corvane-cli: " +
                         list + ":3: '2026-12-32' is not a real date\ncorvane-cli: " + list +
                         ":4: 'evening' only after chrysostom or basil\n");
  EXPECT_FALSE(std::filesystem::exists(docx));
}

// --pdf run as its own process with no display, to a file and to standard
// output: the pages hold what the same command prints, on the paper asked
// for, and standard error stays empty (no note of Qt's about the unset
// XDG_RUNTIME_DIR or the fonts).
TEST(CliPdf, ABookletWithoutADisplay) {
  if (!testing::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "week.txt").string();
  std::ofstream{list} << "2026-12-12 great-vespers\n2026-12-13 chrysostom\n";
  const std::string pdf = (folder.path() / "week.pdf").string();
  const std::string errors = (folder.path() / "errors.txt").string();
  const std::string printed = testing::runWith({"--booklet", list}).out;
  for (const std::string& written :
       {testing::shellQuoted(pdf), "- > " + testing::shellQuoted(pdf)}) {
    SCOPED_TRACE(written);
    std::filesystem::remove(pdf);
    // No display, and no platform chosen: corvane-cli chooses one itself.
    const auto run = testing::commandOutput(
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR " CORVANE_CLI
        " --booklet " +
        testing::shellQuoted(list) + " --paper a4 --pdf " + written + " 2> " +
        testing::shellQuoted(errors) + " && echo written");
    ASSERT_EQ(run, "written\n");
    EXPECT_EQ(readWholeFile(errors).value_or("<not read>"), "");

    const std::string pages = testing::pdfText(pdf);
    // The printed text has an empty line between two dismissals where the PDF
    // starts a page; the headings come back in the capitals of their small caps.
    EXPECT_EQ(testing::upper(testing::words(pages)), testing::upper(testing::words(printed)));
    EXPECT_EQ(std::count(pages.begin(), pages.end(), '\f'), 2);
    const std::string info = testing::pdfInfo(pdf);
    EXPECT_EQ(testing::pdfInfoField(info, "Page size"), "842 x 595 pts (A4)") << info;
  }
}

// Only --pdf loads Qt: corvane-cli links none of its libraries and hands
// --pdf to corvane-pdf, found beside it or in the libexec folder of its
// installation; without it, --pdf says so, with status 1, and writes nothing.
TEST(CliPdf, OnlyCorvanePdfLoadsQt) {
  const std::optional<std::string> libraries = testing::commandOutput("ldd " CORVANE_CLI);
  ASSERT_TRUE(libraries);
  EXPECT_NE(libraries->find("libstdc++"), std::string::npos) << *libraries;
  EXPECT_EQ(libraries->find("libQt"), std::string::npos) << *libraries;

  namespace fs = std::filesystem;
  testing::TemporaryFolder folder;
  const fs::path bin = folder.path() / "bin";
  const fs::path libexec = (bin / CORVANE_LIBEXEC_FROM_BIN).lexically_normal();
  fs::create_directories(bin);
  fs::copy_file(CORVANE_CLI, bin / "corvane-cli");
  const fs::path pdf = folder.path() / "pages.pdf";
  const fs::path errors = folder.path() / "errors.txt";
  const auto run = [&] {
    return testing::commandOutput(testing::shellQuoted((bin / "corvane-cli").string()) +
                                  " --service orthros --date 2026-04-12 --pdf " +
                                  testing::shellQuoted(pdf.string()) + " 2> " +
                                  testing::shellQuoted(errors.string()) + "; echo $?");
  };
  EXPECT_EQ(run(), "1\n");
  EXPECT_EQ(readWholeFile(errors).value_or("<not read>"),
            "corvane-cli: Cannot write " + pdf.string() +
                ": corvane-pdf, which draws the pages of a PDF, is missing (looked for " +
                (bin / "corvane-pdf").string() + " and " + (libexec / "corvane-pdf").string() +
                "); install corvane again\n");
  EXPECT_FALSE(fs::exists(pdf));

  fs::create_directories(libexec);
  fs::copy_file(CORVANE_PDF, libexec / "corvane-pdf");
  EXPECT_EQ(run(), "0\n");
  EXPECT_EQ(readWholeFile(errors).value_or("<not read>"), "");
  EXPECT_TRUE(readWholeFile(pdf).value_or("").starts_with("%PDF-"));
}

}  // namespace
}  // namespace corvane
