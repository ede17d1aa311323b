#include "cli/cli.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "composer/composed.h"
#include "output/text_file.h"
#include "output/word_document.h"
#include "platform/atomic_file.h"
#include "state/english_date.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::runWith;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream{text};
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(Cli, JsonOneObjectPerDateWithKeysInOrder) {
  const CliRun run =
      runWith({"--service", "orthros", "--date", "2026-04-11", "--to", "2026-04-13", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto lines = linesOf(run.out);
  ASSERT_EQ(lines.size(), 3u);
  const char* dates[] = {"2026-04-11", "2026-04-12", "2026-04-13"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto object = nlohmann::ordered_json::parse(lines[i]);
    std::vector<std::string> keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"date", "dayTitle", "serviceHeading", "dismissalText",
                                              "endingText", "warning"}));
    EXPECT_TRUE(object["warning"].is_null());
    EXPECT_EQ(object["date"], dates[i]);
    EXPECT_EQ(object["serviceHeading"], "-- Orthros --");
    EXPECT_TRUE(object["dismissalText"].get<std::string>().starts_with("May "));
  }
  const auto pascha = nlohmann::json::parse(lines[1]);
  EXPECT_TRUE(pascha["endingText"].get<std::string>().starts_with("PASCHAL ENDING\r\n\r\n"));
}

TEST(Cli, NonAsciiTextIsWrittenUnescaped) {
  const CliRun run = runWith({"--service", "orthros", "--date", "2022-10-13", "--patron-text",
                              "of the holy Ἀθανάσιος", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("\\u"), std::string::npos);
}

TEST(Cli, PlainLayoutSeparatesDatesByAnEmptyLine) {
  const CliRun run =
      runWith({"--service", "orthros", "--date", "2022-10-13", "--to", "2022-10-14"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = linesOf(run.out);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "Thursday, October 13, 2022");
  EXPECT_EQ(lines[1], "-- Orthros --");
  EXPECT_EQ(lines[2], "");
  EXPECT_TRUE(lines[3].starts_with("May Christ our true God"));
  EXPECT_EQ(lines[4], "");
  EXPECT_TRUE(lines[5].starts_with("Through the prayers of our holy fathers"));
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7], "Friday, October 14, 2022");
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
  EXPECT_TRUE(run.out.ends_with("save us.\n"));
}

TEST(Cli, PaschalEndingInThePlainLayoutHasLineFeedsOnly) {
  const CliRun run = runWith({"--service", "orthros", "--date", "2026-04-12", "--bishop"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = linesOf(run.out);
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[5], "PASCHAL ENDING");
  EXPECT_EQ(lines[15], "RESPONSE: . . . bestowing life.");
}

TEST(Cli, TxtWritesTheTextFileAndPrintsNothing) {
  using namespace std::chrono;
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("corvane-cli-" + std::to_string(::getpid()) + ".txt");
  const CliRun run = runWith(
      {"--service", "great-vespers", "--date", "2025-04-12", "--bishop", "--txt", file.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  TempleSettings settings;
  settings.bishopPresent = true;
  const auto composed =
      testing::compose(Service::greatVespers, 2025y / April / 12, false, settings);
  EXPECT_EQ(readWholeFile(file), textFileBytes(composed.dismissal, englishLongDate));
  std::filesystem::remove(file);
}

TEST(Cli, DocxWritesTheSameDocumentAsTheWindows) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("corvane-cli-" + std::to_string(::getpid()) + ".docx");
  const CliRun run =
      runWith({"--service", "orthros", "--date", "2025-04-20", "--docx", file.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(readWholeFile(file),
            wordDocumentBytes(testing::compose(Service::orthros,
                                               std::chrono::year{2025} / std::chrono::April / 20)
                                  .dismissal,
                              englishLongDate));
  std::filesystem::remove(file);
}

TEST(Cli, TypedPatronLineBreaksAreHeldAsLineFeeds) {
  for (const char* typed :
       {"of the holy\r\nnew martyrs", "of the holy\rnew martyrs", "of the holy\nnew martyrs"}) {
    const CliRun run =
        runWith({"--service", "orthros", "--date", "2022-10-13", "--patron-text", typed, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto object = nlohmann::json::parse(run.out);
    EXPECT_NE(object["dismissalText"].get<std::string>().find(
                  "fathers; of the holy\nnew martyrs; of the holy and righteous"),
              std::string::npos);
  }
}

TEST(Cli, TxtFailuresAreReported) {
  const CliRun range = runWith({"--service", "orthros", "--date", "2025-04-12", "--to",
                                "2025-04-13", "--txt", "/tmp/x.txt"});
  EXPECT_EQ(range.status, 2);
  const CliRun unwritable = runWith({"--service", "orthros", "--date", "2025-04-12", "--txt",
                                     "/nonexistent-folder/dismissal.txt"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.out, "");
  EXPECT_NE(unwritable.err.find("/nonexistent-folder/dismissal.txt"), std::string::npos);
}

// --explain names the rule that wrote each clause; an empty slot names none.
TEST(Cli, ExplainNamesTheRules) {
  struct Row {
    std::vector<std::string> args;
    std::string liturgicalDay;
    std::vector<std::pair<std::string, std::string>> rules;  // "" for null
  };
  const Row rows[] = {
      {{"--service", "great-vespers", "--date", "2022-10-08"},
       "2022-10-09",
       {{"saintsClause", "saints of 9 October"}, {"feastClause", ""}, {"risenClause", ""}}},
      {{"--service", "orthros", "--date", "2025-04-20"},
       "2025-04-20",
       {{"dayTitle", "Holy Pascha"},
        {"feastClause", "Bright Week and the Leavetaking of Pascha"},
        {"saintsClause", ""}}},
      {{"--service", "orthros", "--date", "2025-10-12"},
       "2025-10-12",
       {{"saintsClause", "Sunday of the Fathers of the Seventh Council"},
        {"risenClause", "Sunday: the resurrection"}}},
      {{"--service", "chrysostom", "--date", "2025-11-13", "--patron", "chrysostom"},
       "2025-11-13",
       {{"patronClause", ""},
        {"liturgyAuthorClause", ""},
        {"saintsClause", "saints of 13 November"}}},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args = row.args;
    args.insert(args.end(), {"--json", "--explain"});
    const CliRun run = runWith(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto line = nlohmann::ordered_json::parse(run.out);
    const auto& explained = line["explain"];
    EXPECT_EQ(explained["liturgicalDay"], row.liturgicalDay);
    std::vector<std::string> slots;
    for (const auto& item : explained["slots"].items()) slots.push_back(item.key());
    EXPECT_EQ(slots.size(), 12u);
    EXPECT_EQ(slots.front(), "dayTitle");
    EXPECT_EQ(slots.back(), "wholeText");
    for (const auto& [slot, rule] : row.rules) {
      const auto& written = explained["slots"][slot];
      if (rule.empty()) {
        EXPECT_TRUE(written["rule"].is_null()) << slot;
        EXPECT_EQ(written["text"], "") << slot;
      } else {
        EXPECT_EQ(written["rule"], rule) << slot;
      }
    }
  }
  const CliRun plain = runWith({"--service", "great-vespers", "--date", "2022-10-08", "--explain"});
  EXPECT_NE(plain.out.find("Liturgical day: Sunday, October 9, 2022\n"), std::string::npos);
  EXPECT_NE(plain.out.find("(saints of 9 October)\n"), std::string::npos);
  const CliRun range =
      runWith({"--service", "orthros", "--date", "2025-10-12", "--to", "2025-10-13", "--explain"});
  EXPECT_EQ(range.status, 2);
}

// An old-calendar temple: the feasts on their Julian dates; the explanation
// names the calendar and the church date; the date line stays civil.
TEST(Cli, TheOldCalendar) {
  const CliRun nativity = runWith({"--service", "chrysostom", "--date", "2027-01-07", "--calendar",
                                   "old", "--json", "--explain"});
  ASSERT_EQ(nativity.status, 0) << nativity.err;
  const auto line = nlohmann::ordered_json::parse(nativity.out);
  EXPECT_EQ(line["date"], "2027-01-07");
  EXPECT_EQ(line["dayTitle"], "Nativity of Our Lord");
  std::vector<std::string> keys;
  for (const auto& item : line["explain"].items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"temple", "liturgicalDay", "calendar", "churchDate",
                                            "pascha", "derived", "slots", "appointedEucharist"}));
  EXPECT_EQ(line["explain"]["calendar"], "old");
  EXPECT_EQ(line["explain"]["churchDate"], "2026-12-25");

  const CliRun plain =
      runWith({"--service", "orthros", "--date", "2026-12-19", "--calendar", "old", "--explain"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_TRUE(plain.out.starts_with("Saturday, December 19, 2026\n-- Orthros --\n"));
  EXPECT_NE(plain.out.find("\nChurch date: 6 December 2026 (Julian calendar)\n"),
            std::string::npos);
  const CliRun civil = runWith({"--service", "orthros", "--date", "2026-12-19", "--explain"});
  EXPECT_NE(civil.out.find("\nChurch date: 19 December 2026 (new calendar)\n"), std::string::npos);

  // 2010: the Meeting has no Leavetaking in an old-calendar temple.
  const CliRun meeting = runWith(
      {"--service", "orthros", "--date", "2010-02-14", "--calendar", "old", "--json", "--explain"});
  const auto derived = nlohmann::json::parse(meeting.out)["explain"]["derived"];
  EXPECT_TRUE(derived["meetingLeavetaking"].is_null());
  const CliRun wrong =
      runWith({"--service", "orthros", "--date", "2026-12-19", "--calendar", "julian"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(wrong.err, "corvane-cli: --calendar: unknown calendar 'julian' (one of new, old)\n");
}

// The lines as they were printed before the JSON was written by hand: the
// same bytes, for a few hundred dates (tests/data/cli), with the warning
// added as the last key of each JSON line.
TEST(Cli, TheStreamsAreTheSameBytesAsBefore) {
  struct Row {
    std::vector<std::string> args;
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
    std::ifstream file{std::string{CORVANE_TEST_DATA} + "/cli/" + row.file, std::ios::binary};
    std::ostringstream expected;
    expected << file.rdbuf();
    ASSERT_FALSE(expected.str().empty()) << row.file;
    const CliRun run = runWith(row.args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected.str()) << row.file;
  }
}

}  // namespace
}  // namespace corvane
