// corvane-cli --booklet: a list of services in one text, JSON or document.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_run.h"
#include "support/temporary_folder.h"
#include "support/zip_reading.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::runWith;

const std::string kWeekend =
    "# the weekend\n2026-12-12 great-vespers\n\n2026-12-13 orthros\n2026-12-13\tchrysostom\n";

TEST(CliBooklet, EveryEntryOfTheList) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "week.txt").string();
  std::ofstream{list} << kWeekend;
  // The text of each, as a range prints it.
  const CliRun text = runWith({"--booklet", list});
  ASSERT_EQ(text.status, 0) << text.err;
  const std::string vespers = runWith({"--service", "great-vespers", "--date", "2026-12-12"}).out;
  const std::string orthros = runWith({"--service", "orthros", "--date", "2026-12-13"}).out;
  const std::string liturgy = runWith({"--service", "chrysostom", "--date", "2026-12-13"}).out;
  EXPECT_EQ(text.out, vespers + "\n" + orthros + "\n" + liturgy);
  // One JSON line each; standard input read for "-".
  const CliRun json = runWith({"--booklet", "-", "--json", "--patron", "cross"}, kWeekend);
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(
      json.out,
      runWith({"--service", "great-vespers", "--date", "2026-12-12", "--json", "--patron", "cross"})
              .out +
          runWith({"--service", "orthros", "--date", "2026-12-13", "--json", "--patron", "cross"})
              .out +
          runWith(
              {"--service", "chrysostom", "--date", "2026-12-13", "--json", "--patron", "cross"})
              .out);
  // The document: one section, each dismissal after the first on a new page.
  const std::string document = (folder.path() / "week.docx").string();
  const CliRun written = runWith({"--booklet", list, "--docx", document, "--paper", "a4"});
  ASSERT_EQ(written.status, 0) << written.err;
  std::ifstream file{document, std::ios::binary};
  std::ostringstream bytes;
  bytes << file.rdbuf();
  const std::string xml = testing::zipEntry(bytes.str(), "word/document.xml");
  std::size_t breaks = 0;
  for (std::size_t at = xml.find("<w:pageBreakBefore/>"); at != std::string::npos;
       at = xml.find("<w:pageBreakBefore/>", at + 1)) {
    ++breaks;
  }
  EXPECT_EQ(breaks, 2u);
  EXPECT_NE(xml.find("<w:pgSz w:w=\"16838\" w:h=\"11906\" w:orient=\"landscape\"/>"),
            std::string::npos);
}

TEST(CliBooklet, BadListsAndConflictsAreBadInput) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "booklet.txt").string();
  std::ofstream{list} << "2026-12-12 great-vespers\n2026-12-13 vesper\n";
  struct Row {
    std::vector<std::string> args;
    std::string message;
  };
  const Row rows[] = {
      {{"--booklet", list},
       list + ":2: unknown service 'vesper' (one of great-vespers, daily-vespers, orthros, "
              "daily-orthros, chrysostom, basil, presanctified)"},
      {{"--booklet", list, "--service", "orthros"},
       "--booklet: composes the services of its list; leave out --service"},
      {{"--booklet", list, "--date", "2026-12-12"},
       "--booklet: composes the services of its list; leave out --date"},
      {{"--booklet", list, "--explain"},
       "--booklet: composes the services of its list; leave out --explain"},
      {{"--booklet", (folder.path() / "missing.txt").string()},
       "--booklet: cannot read " + (folder.path() / "missing.txt").string()},
      {{"--booklet", "-"}, "standard input: the booklet list holds no service"},
  };
  for (const Row& row : rows) {
    const CliRun run = runWith(row.args);
    EXPECT_EQ(run.status, 2) << row.message;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "corvane-cli: " + row.message + "\n");
  }
  const CliRun unwritable =
      runWith({"--booklet", "-", "--txt", (folder.path() / "no" / "b.txt").string()},
              "2026-12-12 orthros\n");
  EXPECT_EQ(unwritable.status, 1);
}

}  // namespace
}  // namespace corvane
