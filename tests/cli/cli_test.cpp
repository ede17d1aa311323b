// corvane-cli's outputs: the printed lines as known byte for byte, the files
// as the output layer writes them, the explanation of --explain, and the
// warnings on standard error.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "composer/composed.h"
#include "output_files/text_file.h"
#include "output_files/word_document.h"
#include "platform/atomic_file.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using testing::Args;
using testing::CliRun;
using testing::runWith;
using testing::with;

// The lines as they were printed before the JSON was written by hand: the
// same bytes, for a few hundred dates (tests/data/cli), with the warning
// added as the last key of each JSON line, and then not on standard error.
TEST(Cli, TheStreamsAreTheSameBytesAsBefore) {
  struct Row {
    Args args;
    const char* file;
  };
  const Row rows[] = {
      {{"--service", "orthros", "--date", "2025-12-20", "--to", "2026-06-30", "--patron",
        "nicholas", "--bishop", "--json"},
       "orthros-2026.jsonl"},
      {{"--service", "daily-vespers", "--date", "2026-03-25", "--to", "2026-06-10", "--patron-text",
        "of \"St.\" Herman \\ of Alaska, Ἀθανάσιος"},
       "daily-vespers-2026.txt"},
      {{"--service", "basil", "--evening", "--date", "2026-12-20", "--to", "2027-01-10", "--json",
        "--patron-text", "of the holy\tnew \"martyrs\""},
       "basil-evening-2027.jsonl"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    const auto expected = readWholeFile(std::string{CORVANE_TEST_DATA} + "/cli/" + row.file);
    ASSERT_TRUE(expected);
    const CliRun run = runWith(row.args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, *expected);
    EXPECT_EQ(run.err.empty(), std::string_view{row.file}.ends_with(".jsonl")) << run.err;
  }
}

// --txt and --docx write the output layer's bytes and print nothing: for a
// date, and for a booklet on A4. To "-" they print the same bytes, as --pdf
// prints its pages, and no file named "-" is made.
TEST(Cli, TheFilesAreTheOutputLayersBytes) {
  using namespace std::chrono;
  TempleSettings bishop;
  bishop.bishopPresent = true;
  const Dismissal dismissals[] = {
      testing::compose(Service::greatVespers, 2025y / April / 12, false, bishop).dismissal,
      testing::compose(Service::chrysostom, 2025y / April / 13, false, bishop).dismissal};
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "list.txt").string();
  std::ofstream{list} << "2025-04-12 great-vespers\n2025-04-13 chrysostom\n";
  const std::pair<Args, std::string> rows[] = {
      {{"--service", "great-vespers", "--date", "2025-04-12", "--bishop", "--txt"},
       textFileBytes(dismissals[0], englishLongDate)},
      {{"--booklet", list, "--bishop", "--paper", "a4", "--docx"},
       wordDocumentBytes(dismissals, englishLongDate, Paper::a4).value()},
  };
  const std::string file = (folder.path() / "written").string();
  for (const auto& [args, bytes] : rows) {
    SCOPED_TRACE(args[args.size() - 1]);
    const CliRun run = runWith(with(args, {file}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readWholeFile(file), bytes);
    const CliRun printed = runWith(with(args, {"-"}));
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out, bytes);
  }
  const CliRun pdf = runWith({"--booklet", list, "--pdf", "-"});
  ASSERT_EQ(pdf.status, 0) << pdf.err;
  EXPECT_TRUE(pdf.out.starts_with("%PDF-")) << pdf.out.substr(0, 16);
  EXPECT_FALSE(std::filesystem::exists("-"));
}

// The Presanctified Liturgy on a Sunday of Lent.
const std::string kSundayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil the Great "
    "is appointed.";

// What reaches the drawer of the PDF's pages, as bytes to compare: the
// pages' dismissals in order, and the paper.
Result<std::string> recordedPages(std::span<const Dismissal> dismissals,
                                  const LongDateFormat& longDate, Paper paper) {
  return textFileBytes(dismissals, longDate) + (paper == Paper::a4 ? "(A4)" : "(Letter)");
}

// --to with a file writes the range as a booklet of its dates, one a page:
// the bytes of a booklet list of those dates, the warnings said as for a
// range. 5000 dates are the most (messages_test).
TEST(Cli, ARangeIsWrittenAsTheBookletOfItsDates) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "list.txt").string();
  std::ofstream{list} << "2026-03-01 presanctified\n2026-03-02 presanctified\n"
                         "2026-03-03 presanctified\n2026-03-04 presanctified\n";
  const Args range = {"--service", "presanctified", "--date", "2026-03-01", "--to", "2026-03-04"};
  const Args booklet = {"--booklet", list};
  const auto run = [](const Args& request, const Args& file) {
    Args args = with(with(request, {"--bishop"}), file);
    args.insert(args.begin(), "corvane-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err, recordedPages);
    return CliRun{status, out.str(), err.str()};
  };
  for (const Args& file : {Args{"--txt", "-"}, Args{"--docx", "-", "--paper", "a4"},
                           Args{"--pdf", "-", "--paper", "a4"}}) {
    SCOPED_TRACE(file[0]);
    const CliRun ranged = run(range, file);
    ASSERT_EQ(ranged.status, 0) << ranged.err;
    const CliRun listed = run(booklet, file);
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(ranged.out, listed.out);
    // Sunday, Monday and Tuesday are warned of; Wednesday is the Liturgy's own day.
    EXPECT_TRUE(
        ranged.err.starts_with("corvane-cli: warning: 2026-03-01 presanctified: " + kSundayOfLent +
                               "\ncorvane-cli: warning: 2026-03-02 "
                               "presanctified: On Monday, March 2, 2026"))
        << ranged.err;
    EXPECT_EQ(std::count(ranged.err.begin(), ranged.err.end(), '\n'), 3) << ranged.err;
  }

  const CliRun most = runWith({"--service", "orthros", "--date", "2026-12-06", "--to", "2040-08-13",
                               "--no-saved-temple", "--txt", "-"});
  ASSERT_EQ(most.status, 0) << most.err;
  EXPECT_NE(most.out.find("Sunday, December 6, 2026"), std::string::npos);
  EXPECT_NE(most.out.find("Monday, August 13, 2040"), std::string::npos);
}

// A file that cannot be written: status 1, the path said, nothing printed.
TEST(Cli, AFileThatCannotBeWrittenIsSaid) {
  const std::string file = "/nonexistent-folder/dismissal";
  const Args one = {"--service", "orthros", "--date", "2026-04-12"};
  for (const Args& args : {with(one, {"--docx", file}), with(one, {"--pdf", file})}) {
    SCOPED_TRACE(args[args.size() - 2]);
    const CliRun run = runWith(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
  }
}

// --explain --json: the rule behind each clause (null, with no text, where
// none wrote one), the calendar and church date, the Eucharist appointed.
// The rules' names are the composer's (tests/data reference listings).
TEST(Cli, ExplainInJson) {
  using Json = nlohmann::json;
  const Json empty = {{"text", ""}, {"rule", nullptr}};
  struct Row {
    Args args;
    std::vector<std::pair<std::string, Json>> values;  // by JSON pointer
  };
  const Row rows[] = {
      {{"--service", "great-vespers", "--date", "2022-10-08"},
       {{"/explain/liturgicalDay", "2022-10-09"},
        {"/explain/slots/saintsClause/rule", "saints of 9 October"},
        {"/explain/slots/feastClause", empty},
        {"/explain/slots/risenClause", empty},
        {"/explain/appointedEucharist/service", "chrysostom"}}},
      // An old-calendar temple, the church date Julian; in 2010 the Meeting has no Leavetaking.
      {{"--service", "orthros", "--date", "2010-02-14", "--calendar", "old"},
       {{"/explain/calendar", "old"},
        {"/explain/churchDate", "2010-02-01"},
        {"/explain/derived/meetingLeavetaking", nullptr}}},
      {{"--service", "great-vespers", "--date", "2026-04-10"},
       {{"/explain/appointedEucharist",
         {{"service", nullptr}, {"rule", "Great and Holy Friday"}}}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args[3]);
    const CliRun run = runWith(with(row.args, {"--json", "--explain"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto line = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(std::prev(line.end()).key(), "warning");
    std::vector<std::string> keys;
    for (const auto& item : line["explain"].items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"temple", "liturgicalDay", "calendar", "churchDate",
                                              "pascha", "derived", "slots", "appointedEucharist"}));
    const Json parsed = Json::parse(run.out);
    for (const auto& [pointer, value] : row.values) {
      EXPECT_EQ(parsed.at(Json::json_pointer{pointer}), value) << pointer;
    }
  }
}

// The plain explanation names each clause as a reader would and leaves out
// those that are empty (which clauses: the output layer's explained slots).
TEST(Cli, ExplainInPlainNames) {
  struct Row {
    Args args;
    std::vector<std::string> present, absent;
  };
  const Row rows[] = {
      {{"--service", "great-vespers", "--date", "2022-10-08"},
       {"\nLiturgical day: Sunday, October 9, 2022\n",
        "\nChurch date: 9 October 2022 (new calendar)\n",
        "\nSaints of the day: \"of the holy, glorious and all-laudable Apostle James, son of "
        "Alphaeus, whose memory we celebrate this day, \" (saints of 9 October)\n"},
       {"saintsClause", "Feast:", "(empty)", "Weekday intercession"}},
      {{"--service", "orthros", "--date", "2026-12-19", "--calendar", "old"},
       {"\nChurch date: 6 December 2026 (Julian calendar)\n"},
       {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args[3]);
    const CliRun run = runWith(with(row.args, {"--explain"}));
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string& text : row.present) {
      EXPECT_NE(run.out.find(text), std::string::npos) << text << "\nin:\n" << run.out;
    }
    for (const std::string& text : row.absent) EXPECT_EQ(run.out.find(text), std::string::npos);
  }
}

// A service its day does not appoint: composed all the same, with a line on
// standard error and status 0 (the JSON line's last key is pinned by
// tests/data/cli). Which days warn, and the sentences, are the calendar's tests.

// One line on standard error a warned date, in every form; the files are
// for the page read aloud and hold no warning.
TEST(CliWarning, SaidOnStandardError) {
  testing::TemporaryFolder folder;
  const std::string txt = (folder.path() / "out.txt").string();
  const Args sunday = {"--service", "presanctified", "--date", "2026-03-01"};
  const std::string sundayLine =
      "corvane-cli: warning: 2026-03-01 presanctified: " + kSundayOfLent + "\n";
  const std::pair<Args, std::string> rows[] = {
      {sunday, sundayLine},
      {with(sunday, {"--txt", txt}), sundayLine},
      {with(sunday, {"--to", "2026-03-02"}),
       sundayLine +
           "corvane-cli: warning: 2026-03-02 presanctified: On Monday, March 2, 2026, no Liturgy "
           "is appointed (Mondays, Tuesdays and Thursdays of Great Lent).\n"},
  };
  for (const auto& [args, err] : rows) {
    SCOPED_TRACE(args[args.size() - 2]);
    const CliRun run = runWith(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, err);
  }
  EXPECT_EQ(readWholeFile(txt).value().find("Presanctified Gifts is served"), std::string::npos);
}

// In a booklet the warning names the line of the list.
TEST(CliWarning, ABookletNamesTheLineOfTheList) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "list.txt").string();
  std::ofstream{list} << "# Lent\n2026-03-04 presanctified\n2026-03-01 presanctified\n\n"
                         "2026-10-17 daily-vespers\n";
  const std::string expected =
      list + ":3: warning: " + kSundayOfLent + "\n" + list +
      ":5: warning: Daily Vespers is not served on the eve of a Sunday; on Saturday, October 17, "
      "2026, Great Vespers is appointed.\n";
  for (const Args& args : {Args{"--booklet", list}, Args{"--booklet", list, "--docx",
                                                         (folder.path() / "b.docx").string()}}) {
    const CliRun run = runWith(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, expected);
  }
}

}  // namespace
}  // namespace corvane
