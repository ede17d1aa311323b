// A service its day does not appoint: composed all the same, with the
// warning as the JSON line's last key or a line on standard error, and
// status 0. Which days warn, and the sentences, are the calendar's tests.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

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

TEST(CliWarning, TheLastKeyOfEveryJsonLine) {
  const CliRun run = runWith(
      {"--service", "presanctified", "--date", "2026-03-01", "--to", "2026-03-02", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");  // the lines hold it
  const auto lines = testing::linesOf(run.out);
  ASSERT_EQ(lines.size(), 2u);
  const auto sunday = nlohmann::ordered_json::parse(lines[0]);
  EXPECT_EQ(std::prev(sunday.end()).key(), "warning");
  EXPECT_EQ(sunday["warning"], kSundayOfLent);
  EXPECT_EQ(sunday["serviceHeading"], "-- Liturgy of the Presanctified Gifts --");
  EXPECT_TRUE(nlohmann::json::parse(lines[1])["warning"].is_null());  // a weekday of Lent
}

// One line on standard error a warned date, in every other form; the files
// are for the page read aloud and hold no warning.
TEST(CliWarning, PlainAndFileFormsSayItOnStandardError) {
  testing::TemporaryFolder folder;
  const std::string txt = (folder.path() / "out.txt").string();
  const std::string docx = (folder.path() / "out.docx").string();
  const testing::Args sunday = {"--service", "presanctified", "--date", "2026-03-01"};
  // The start of each line said; the sentences are the calendar's.
  const std::pair<testing::Args, std::vector<std::string>> rows[] = {
      {sunday, {kSundayLine}},
      {testing::with(sunday, {"--txt", txt}), {kSundayLine}},
      {testing::with(sunday, {"--docx", docx}), {kSundayLine}},
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
  EXPECT_TRUE(runWith(sunday).out.starts_with(
      "Sunday, March 1, 2026\n-- Liturgy of the Presanctified Gifts --\n"));
  for (const std::string& file : {txt, docx}) {
    EXPECT_EQ(readWholeFile(file).value().find("Presanctified Gifts is served"), std::string::npos);
  }
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
  const CliRun input = runWith({"--booklet", "-"}, "\n2026-03-01 presanctified\n");
  EXPECT_EQ(input.err, "standard input:2: warning: " + kSundayOfLent + "\n");
}

}  // namespace
}  // namespace corvane
