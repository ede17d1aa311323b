// A service its day does not appoint: composed all the same, with a warning
// in every form of the output, and never a refusal.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_run.h"
#include "support/independent_warnings.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::runWith;

// The sentence as first asked for, for the Presanctified Liturgy on a Sunday of Lent.
const std::string kSundayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil the Great "
    "is appointed.";
const std::string kSaturdayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Saturday, February 28, 2026, the Divine Liturgy of St. John "
    "Chrysostom is appointed.";

std::string fileText(const std::filesystem::path& file) {
  std::ifstream stream{file, std::ios::binary};
  std::ostringstream bytes;
  bytes << stream.rdbuf();
  return bytes.str();
}

TEST(CliWarning, JsonEndsEveryLineWithTheWarning) {
  const CliRun run = runWith(
      {"--service", "presanctified", "--date", "2026-02-28", "--to", "2026-03-02", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");  // the lines hold it
  std::istringstream lines{run.out};
  std::vector<nlohmann::ordered_json> objects;
  for (std::string line; std::getline(lines, line);) {
    objects.push_back(nlohmann::ordered_json::parse(line));
  }
  ASSERT_EQ(objects.size(), 3u);
  for (const auto& object : objects) {
    EXPECT_EQ(std::prev(object.end()).key(), "warning");
    EXPECT_EQ(object["serviceHeading"], "-- Liturgy of the Presanctified Gifts --");
  }
  EXPECT_EQ(objects[0]["warning"], kSaturdayOfLent);
  EXPECT_EQ(objects[1]["warning"], kSundayOfLent);
  EXPECT_TRUE(objects[2]["warning"].is_null());  // Monday of the second week
}

TEST(CliWarning, PlainAndFileFormsSayItOnStandardError) {
  const std::vector<std::string> sunday = {"--service", "presanctified", "--date", "2026-03-01"};
  const CliRun plain = runWith(sunday);
  EXPECT_EQ(plain.status, 0);
  EXPECT_TRUE(
      plain.out.starts_with("Sunday, March 1, 2026\n-- Liturgy of the Presanctified Gifts --\n"))
      << plain.out;
  EXPECT_EQ(plain.err, "corvane-cli: warning: 2026-03-01 presanctified: " + kSundayOfLent + "\n");

  const CliRun range = runWith(
      {"--service", "presanctified", "--date", "2026-02-28", "--to", "2026-03-02", "--explain"});
  EXPECT_EQ(range.status, 2);  // --explain takes one date: bad input, not a warning
  const CliRun days =
      runWith({"--service", "presanctified", "--date", "2026-02-28", "--to", "2026-03-02"});
  EXPECT_EQ(days.status, 0);
  EXPECT_EQ(days.err, "corvane-cli: warning: 2026-02-28 presanctified: " + kSaturdayOfLent +
                          "\ncorvane-cli: warning: 2026-03-01 presanctified: " + kSundayOfLent +
                          "\n");

  const CliRun evening = runWith({"--service", "basil", "--evening", "--date", "2026-12-22"});
  EXPECT_EQ(evening.status, 0);
  EXPECT_EQ(evening.err,
            "corvane-cli: warning: 2026-12-22 basil evening: On Tuesday, December 22, 2026, the "
            "Divine Liturgy of St. John Chrysostom is appointed, and on Wednesday, December 23, "
            "2026, the Divine Liturgy of St. John Chrysostom: an Evening Divine Liturgy of St. "
            "Basil the Great belongs to neither day.\n");

  testing::TemporaryFolder folder;
  for (const char* option : {"--txt", "--docx"}) {
    const std::filesystem::path file = folder.path() / (std::string{"out"} + option);
    std::vector<std::string> args = sunday;
    args.insert(args.end(), {option, file.string()});
    const CliRun written = runWith(args);
    EXPECT_EQ(written.status, 0) << option;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(written.err, plain.err) << option;
    EXPECT_FALSE(fileText(file).empty()) << option;
    // The outputs are for the page read aloud: no warning in them.
    EXPECT_EQ(fileText(file).find("Presanctified Gifts is served"), std::string::npos) << option;
  }
  const CliRun quiet = runWith({"--service", "presanctified", "--date", "2026-03-02"});
  EXPECT_EQ(quiet.err, "");
}

TEST(CliWarning, ABookletNamesTheLineOfTheList) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "list.txt").string();
  std::ofstream{list} << "# Lent\n2026-03-02 presanctified\n2026-03-01 presanctified\n\n"
                         "2026-10-17 daily-vespers\n";
  const std::string expected =
      list + ":3: warning: " + kSundayOfLent + "\n" + list +
      ":5: warning: Daily Vespers is not served on the eve of a Sunday; on Saturday, October 17, "
      "2026, Great Vespers is appointed.\n";
  const CliRun text = runWith({"--booklet", list});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.err, expected);
  const CliRun document =
      runWith({"--booklet", list, "--docx", (folder.path() / "b.docx").string()});
  EXPECT_EQ(document.status, 0);
  EXPECT_EQ(document.err, expected);
  const CliRun input = runWith({"--booklet", "-"}, "\n2026-03-01 presanctified\n");
  EXPECT_EQ(input.err, "standard input:2: warning: " + kSundayOfLent + "\n");
  const CliRun json = runWith({"--booklet", list, "--json"});
  EXPECT_EQ(json.err, "");
  EXPECT_NE(json.out.find(",\"warning\":null}\n"), std::string::npos);
}

TEST(CliWarning, ExplainSaysWhichEucharistIsAppointed) {
  const CliRun plain = runWith({"--service", "orthros", "--date", "2026-03-01", "--explain"});
  EXPECT_NE(plain.out.find("\nEucharist appointed on Sunday, March 1, 2026: the Divine Liturgy "
                           "of St. Basil the Great (Sundays of Great Lent)\n"),
            std::string::npos)
      << plain.out;
  struct Row {
    std::vector<std::string> args;
    nlohmann::json appointed;
  };
  const Row rows[] = {
      {{"--date", "2026-03-01"}, {{"service", "basil"}, {"rule", "Sundays of Great Lent"}}},
      {{"--date", "2026-04-10"}, {{"service", nullptr}, {"rule", "Great and Holy Friday"}}},
      {{"--date", "2026-04-07", "--calendar", "old"},
       {{"service", "chrysostom"}, {"rule", "Annunciation of the Theotokos"}}},
      {{"--date", "2026-04-07"},
       {{"service", "presanctified"}, {"rule", "Weekdays of Great Lent and of Holy Week"}}},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args = {"--service", "great-vespers", "--json", "--explain"};
    args.insert(args.end(), row.args.begin(), row.args.end());
    const CliRun run = runWith(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto line = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(nlohmann::json(line["explain"]["appointedEucharist"]), row.appointed);
    EXPECT_EQ(std::prev(line.end()).key(), "warning");
  }
}

// Four years of every variant in both calendars: every line ends with the
// warning, null exactly where the rules of the day, reckoned apart, call for none.
TEST(CliWarning, TheKeyIsOnEveryLineAndRightOnEach) {
  struct Variant {
    std::vector<std::string> args;
    testing::Picked picked;
  };
  using P = testing::Picked;
  const Variant variants[] = {
      {{"--service", "great-vespers"}, P::greatVespers},
      {{"--service", "daily-vespers"}, P::dailyVespers},
      {{"--service", "orthros"}, P::orthros},
      {{"--service", "daily-orthros"}, P::dailyOrthros},
      {{"--service", "chrysostom"}, P::chrysostom},
      {{"--service", "chrysostom", "--evening"}, P::chrysostomEvening},
      {{"--service", "basil"}, P::basil},
      {{"--service", "basil", "--evening"}, P::basilEvening},
      {{"--service", "presanctified"}, P::presanctified},
  };
  const testing::Day first = testing::civilDay(2026, 1, 1);
  std::size_t lines = 0, warned = 0;
  for (const bool oldCalendar : {false, true}) {
    for (const Variant& variant : variants) {
      std::vector<std::string> args = variant.args;
      args.insert(args.end(), {"--date", "2026-01-01", "--to", "2029-12-31", "--json", "--calendar",
                               oldCalendar ? "old" : "new"});
      const CliRun run = runWith(args);
      ASSERT_EQ(run.status, 0) << run.err;
      std::istringstream stream{run.out};
      testing::Day day = first;
      for (std::string line; std::getline(stream, line); day += std::chrono::days{1}, ++lines) {
        const std::size_t key = line.rfind(",\"warning\":");
        ASSERT_NE(key, std::string::npos) << line;
        const auto warning = nlohmann::json::parse("{" + line.substr(key + 1))["warning"];
        ASSERT_TRUE(warning.is_null() || warning.is_string()) << line;
        const bool expected = testing::expectsWarning(variant.picked, day, oldCalendar);
        ASSERT_EQ(warning.is_string(), expected) << line;
        warned += expected ? 1 : 0;
      }
    }
  }
  EXPECT_EQ(lines, 2u * 9u * 1461u);
  EXPECT_GT(warned, 0u);
}

}  // namespace
}  // namespace corvane
