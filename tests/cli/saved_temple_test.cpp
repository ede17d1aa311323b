// corvane-cli with the temple the window saved in the data folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "platform/atomic_file.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::Args;
using testing::CliRun;
using testing::runWith;
using testing::with;

// St. Nicholas (6 December on the Julian calendar) falls on civil 19 December
// in an old-calendar temple, so both the calendar and the patron show.
const Args kLiturgy = {"--service", "chrysostom", "--date", "2026-12-19"};
const std::string kOldNicholas = "[temple]\ncalendar=old\npatron=nicholas\n";
const std::string kOldTyped = "[temple]\ncalendar=old\npatron=typed\n";

// The data folder is the tests' own empty one (no_saved_temple_by_default.cpp).
class SavedTempleCli : public ::testing::Test {
 protected:
  void TearDown() override { save(""); }

  fs::path dataFolder() const { return fs::path{std::getenv("XDG_DATA_HOME")} / "corvane"; }
  void save(const std::string& settings, const std::string& phrase = {}) {
    fs::remove_all(dataFolder() / "inpat.txt");
    fs::remove(dataFolder() / "corvane.ini");
    if (settings.empty()) return;
    fs::create_directories(dataFolder());
    ASSERT_TRUE(writeFileAtomically(dataFolder() / "corvane.ini", settings));
    ASSERT_TRUE(phrase.empty() || writeFileAtomically(dataFolder() / "inpat.txt", phrase));
  }
  // The same request with the whole temple on the command line.
  std::string spelledOut(const Args& temple) const {
    const CliRun run = runWith(with(with(kLiturgy, temple), {"--no-saved-temple"}));
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
  }
};

// The saved calendar and patron are used; each option overrides what it
// names; --no-saved-temple leaves the file out; --explain says where each
// part came from.
TEST_F(SavedTempleCli, UsedUnlessTheCommandLineSaysOtherwise) {
  struct Row {
    std::string settings;
    Args given;
    std::string templeLine;
    std::string phrase = {};
  };
  const Row rows[] = {
      {kOldNicholas, {}, "Temple: St. Nicholas, old calendar (saved by the window)"},
      {kOldNicholas,
       {"--calendar", "new"},
       "Temple: St. Nicholas (saved by the window), new calendar (from the command line)"},
      {kOldNicholas,
       {"--calendar", "old", "--patron", "nicholas", "--bishop"},
       "Temple: St. Nicholas, old calendar (from the command line); a bishop present"},
      {kOldTyped,
       {},
       "Temple: \"of St. Herman of Alaska\", old calendar (saved by the window)",
       "  of St. Herman\r\nof Alaska\x01\r\n"},
      // "NONE OF THE ABOVE" with no phrase kept names no patron, as the window's empty box.
      {kOldTyped, {}, "Temple: no patron named, old calendar (saved by the window)"},
      // Neither the command line nor a saved temple: the defaults, said as such.
      {"", {}, "Temple: no patron, new calendar (the defaults)"},
      {kOldNicholas, {"--no-saved-temple"}, "Temple: no patron, new calendar (the defaults)"},
      {"",
       {"--calendar", "old", "--bishop"},
       "Temple: no patron (the defaults), old calendar (from the command line); a bishop present"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.templeLine);
    save(row.settings, row.phrase);
    const CliRun explained = runWith(with(kLiturgy, with(row.given, {"--explain"})));
    ASSERT_EQ(explained.status, 0) << explained.err;
    EXPECT_EQ(explained.err, "");
    EXPECT_NE(explained.out.find("\n" + row.templeLine + "\n"), std::string::npos) << explained.out;
  }
  // What the temple line says is what is composed.
  save(kOldNicholas);
  EXPECT_EQ(runWith(with(kLiturgy, {"--calendar", "new"})).out,
            spelledOut({"--patron", "nicholas"}));
}

// --explain --json gains the temple, its source joined from the parts'
// sources when they differ; --json alone is as it was.
TEST_F(SavedTempleCli, TheTempleInJson) {
  save(kOldTyped, "of St. Herman\r\n");
  const std::pair<Args, std::string> rows[] = {
      {{}, R"({"calendar":"old","patronText":"of St. Herman","bishop":false,"source":"window"})"},
      {{"--patron", "nicholas", "--bishop"},
       R"({"calendar":"old","patron":"nicholas","bishop":true,"source":"window and command line"})"},
      {{"--no-saved-temple"},
       R"({"calendar":"new","patron":null,"bishop":false,"source":"defaults"})"},
      {{"--no-saved-temple", "--calendar", "old"},
       R"({"calendar":"old","patron":null,"bishop":false,"source":"command line and defaults"})"},
      {{"--no-saved-temple", "--calendar", "new", "--patron", "lord"},
       R"({"calendar":"new","patron":"lord","bishop":false,"source":"command line"})"},
  };
  for (const auto& [given, temple] : rows) {
    const CliRun run = runWith(with(kLiturgy, with(given, {"--json", "--explain"})));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(run.out)["explain"]["temple"].dump(), temple);
  }
}

// A saved file that cannot be read is said in the window's words; the
// dismissal is composed with the defaults and the status stays 0.
TEST_F(SavedTempleCli, AnUnreadableFileIsSaidAndTheDefaultsStand) {
  const std::string defaults = spelledOut({});
  const fs::path settings = dataFolder() / "corvane.ini";
  const std::string damaged = "[temple]\ncalendar=julian\npatron=nicholas\n";
  save(damaged);
  CliRun run = runWith(kLiturgy);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, defaults);
  EXPECT_EQ(run.err, "corvane-cli: Cannot read the temple's settings in " + settings.string() +
                         ": unknown calendar 'julian'. corvane-cli goes on with the defaults.\n");
  // The parts the command line names are its own all the same.
  run = runWith(with(kLiturgy, {"--patron", "nicholas"}));
  EXPECT_EQ(run.out, spelledOut({"--patron", "nicholas"}));
  EXPECT_NE(run.err, "");
  // Nothing is read, and so nothing said, when nothing is needed of the file.
  EXPECT_EQ(runWith(with(kLiturgy, {"--no-saved-temple"})).err, "");
  EXPECT_EQ(runWith(with(kLiturgy, {"--calendar", "new", "--patron", "lord"})).err, "");

  // A typed patron whose phrase cannot be read: the saved calendar stands.
  save(kOldTyped);
  fs::create_directory(dataFolder() / "inpat.txt");
  run = runWith(kLiturgy);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, spelledOut({"--calendar", "old"}));
  EXPECT_EQ(run.err, "corvane-cli: Cannot read " + (dataFolder() / "inpat.txt").string() +
                         ": Is a directory. corvane-cli goes on with the defaults.\n");
  // The explanation says so: the patron is the default one, not the window's.
  const CliRun explained = runWith(with(kLiturgy, {"--explain"}));
  EXPECT_NE(explained.out.find("\nTemple: no patron (the defaults), old calendar (saved by the "
                               "window)\n"),
            std::string::npos)
      << explained.out;
  const CliRun json = runWith(with(kLiturgy, {"--explain", "--json"}));
  EXPECT_EQ(nlohmann::json::parse(json.out)["explain"]["temple"]["source"], "window and defaults");
}

}  // namespace
}  // namespace corvane
