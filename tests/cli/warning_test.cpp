// A service its day does not appoint: composed all the same, with a line on
// standard error and status 0 (the JSON line's last key is pinned by
// tests/data/cli). Which days warn, and the sentences, are the calendar's tests.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/cli_run.h"
#include "platform/atomic_file.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::runWith;

// The Presanctified Liturgy on a Sunday of Lent.
const std::string kSundayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil the Great "
    "is appointed.";
const std::string kSundayLine =
    "corvane-cli: warning: 2026-03-01 presanctified: " + kSundayOfLent + "\n";

// One line on standard error a warned date, in every other form; the files
// are for the page read aloud and hold no warning.
TEST(CliWarning, PlainAndFileFormsSayItOnStandardError) {
  testing::TemporaryFolder folder;
  const std::string txt = (folder.path() / "out.txt").string();
  const testing::Args sunday = {"--service", "presanctified", "--date", "2026-03-01"};
  // The start of each line said; the sentences are the calendar's.
  const std::pair<testing::Args, std::vector<std::string>> rows[] = {
      {sunday, {kSundayLine}},
      {testing::with(sunday, {"--txt", txt}), {kSundayLine}},
      {{"--service", "presanctified", "--date", "2026-02-28", "--to", "2026-03-02"},
       {"corvane-cli: warning: 2026-02-28 presanctified: The Liturgy of the", kSundayLine}},
      {{"--service", "basil", "--evening", "--date", "2026-12-22"},
       {"corvane-cli: warning: 2026-12-22 basil evening: On Tuesday, December 22, 2026,"}},
      {{"--service", "presanctified", "--date", "2026-03-02"}, {}},
  };
  for (const auto& [args, starts] : rows) {
    SCOPED_TRACE(args.back());
    const CliRun run = runWith(args);
    EXPECT_EQ(run.status, 0);
    const auto lines = testing::linesOf(run.err);
    ASSERT_EQ(lines.size(), starts.size()) << run.err;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE((lines[i] + "\n").starts_with(starts[i])) << lines[i];
    }
  }
  EXPECT_EQ(readWholeFile(txt).value().find("Presanctified Gifts is served"), std::string::npos);
}

// In a booklet the warning names the line of the list.
TEST(CliWarning, ABookletNamesTheLineOfTheList) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "list.txt").string();
  std::ofstream{list} << "# Lent\n2026-03-02 presanctified\n2026-03-01 presanctified\n\n"
                         "2026-10-17 daily-vespers\n";
  const std::string expected =
      list + ":3: warning: " + kSundayOfLent + "\n" + list +
      ":5: warning: Daily Vespers is not served on the eve of a Sunday; on Saturday, October 17, "
      "2026, Great Vespers is appointed.\n";
  for (const testing::Args& args :
       {testing::Args{"--booklet", list},
        testing::Args{"--booklet", list, "--docx", (folder.path() / "b.docx").string()}}) {
    const CliRun run = runWith(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, expected);
  }
}

}  // namespace
}  // namespace corvane
