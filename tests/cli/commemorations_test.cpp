// corvane-cli with the parish's own commemorations: the file the window
// saved, or the one --commemorations names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "platform/atomic_file.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::Args;
using testing::CliRun;
using testing::runWith;
using testing::with;

// Saturday, 13 December 2025: the Martyrs Eustratius and his companions.
const Args kOrthros = {"--service", "orthros", "--date", "2025-12-13"};
constexpr const char* kJoined =
    "of the holy, glorious and right-victorious Martyrs Eustratius, Auxentius, Eugene, "
    "Mardarius, and Orestes, and of our venerable father Herman, wonderworker of Alaska, whose "
    "memories we celebrate this day, and of all the saints";
constexpr const char* kHerman =
    "# the commemorations of our parish\n"
    "12-13 of our venerable father Herman, wonderworker of Alaska\n";

// The data folder is the tests' own empty one (no_saved_temple_by_default.cpp).
class CommemorationsCli : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove_all(savedFile()); }
  static fs::path savedFile() {
    return fs::path{std::getenv("XDG_DATA_HOME")} / "corvane" / "commemorations.txt";
  }
  static void save(std::string_view text) {
    fs::create_directories(savedFile().parent_path());
    ASSERT_TRUE(writeFileAtomically(savedFile(), text));
  }
  static bool named(const CliRun& run) { return run.out.find(kJoined) != std::string::npos; }
};

// The saved file is used with the saved temple; --commemorations names
// another; --no-saved-temple leaves the saved one out; --explain says which.
TEST_F(CommemorationsCli, TheSavedFileOrTheOneNamed) {
  save(kHerman);
  const testing::TemporaryFolder folder;
  const fs::path other = folder.path() / "diocese.txt";
  ASSERT_TRUE(writeFileAtomically(other, "12-13 of St. Herman\n"));
  struct Row {
    Args given;
    bool herman;
    std::string explained;  // the line after the temple's; empty when there is none
  };
  const Row rows[] = {
      {{}, true, "Commemorations: " + savedFile().string() + " (saved by the window)"},
      {{"--no-saved-temple"}, false, ""},
      {{"--commemorations", other.string()},
       false,
       "Commemorations: " + other.string() + " (from the command line)"},
      {{"--no-saved-temple", "--commemorations", other.string()},
       false,
       "Commemorations: " + other.string() + " (from the command line)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.explained);
    const CliRun run = runWith(with(kOrthros, row.given));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(named(run), row.herman) << run.out;
    const CliRun explained = runWith(with(with(kOrthros, row.given), {"--explain"}));
    const std::string templeLine = "\nTemple: no patron, new calendar (the defaults)\n";
    const std::size_t temple = explained.out.find(templeLine);
    ASSERT_NE(temple, std::string::npos) << explained.out;
    const std::string next = explained.out.substr(temple + templeLine.size());
    if (row.explained.empty()) {
      EXPECT_TRUE(next.starts_with("Liturgical day: ")) << next;
    } else {
      EXPECT_TRUE(next.starts_with(row.explained + "\n")) << next;
    }
  }
  EXPECT_NE(runWith(with(kOrthros, {"--commemorations", other.string()}))
                .out.find("and of St. Herman, whose memories"),
            std::string::npos);

  // A booklet and the files written are composed the same way.
  const fs::path list = folder.path() / "list.txt";
  ASSERT_TRUE(writeFileAtomically(list, "2025-12-13 orthros\n2025-12-14 orthros\n"));
  CliRun booklet = runWith({"--booklet", list.string(), "--txt", "-"});
  ASSERT_EQ(booklet.status, 0) << booklet.err;
  EXPECT_NE(booklet.out.find("Alaska, whose"), std::string::npos);
  booklet = runWith({"--booklet", list.string(), "--txt", "-", "--no-saved-temple"});
  EXPECT_EQ(booklet.out.find("Alaska, whose"), std::string::npos);
}

// --explain names the line behind the saints of the day, and a commemoration
// that gave way; --json --explain the same, with the file in the temple.
TEST_F(CommemorationsCli, ExplainNamesTheLine) {
  save(std::string{kHerman} + "P-7 of the holy Palm-bearers\n");
  CliRun run = runWith(with(kOrthros, {"--explain"}));
  EXPECT_NE(run.out.find("(saints of 13 December and local commemoration "
                         "(commemorations.txt:2))\n"),
            std::string::npos)
      << run.out;
  run = runWith({"--service", "orthros", "--date", "2026-04-05", "--explain"});
  EXPECT_EQ(run.out.find("Palm-bearers"), run.out.rfind("Palm-bearers")) << "named once";
  EXPECT_TRUE(
      run.out.ends_with("Gave way to Palm Sunday: local commemoration (commemorations.txt:3)\n"))
      << run.out;

  run = runWith({"--service", "orthros", "--date", "2026-04-05", "--explain", "--json"});
  const nlohmann::json explain = nlohmann::json::parse(run.out)["explain"];
  EXPECT_EQ(explain["temple"]["commemorations"].dump(),
            nlohmann::json({{"file", savedFile().string()}, {"source", "window"}}).dump());
  EXPECT_EQ(
      explain["localCommemorations"].dump(),
      R"json([{"gaveWayTo":"Palm Sunday","rule":"local commemoration (commemorations.txt:3)"}])json");
  // A day without one is as it was.
  run = runWith({"--service", "orthros", "--date", "2026-04-06", "--explain", "--json"});
  EXPECT_FALSE(nlohmann::json::parse(run.out)["explain"].contains("localCommemorations"));
}

// A bad line is a warning with its line; the other lines apply, the status
// stays 0 and the file is left as it is. A saved file that cannot be read at
// all is said, and none applies; a named one that cannot be read is bad input.
TEST_F(CommemorationsCli, BadLinesAreWarnedOfAndTheFileIsKept) {
  const std::string text = std::string{kHerman} + "02-30 of no one\nP+63\n";
  save(text);
  CliRun run = runWith(kOrthros);
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(named(run));
  EXPECT_EQ(run.err, "corvane-cli: warning: " + savedFile().string() +
                         ":3: '02-30' is not a day of the year; the line is left out.\n"
                         "corvane-cli: warning: " +
                         savedFile().string() +
                         ":4: no phrase after 'P+63': type it as it should stand in the "
                         "dismissal, beginning with \"of\"; the line is left out.\n");
  EXPECT_EQ(readWholeFile(savedFile()).value_or(""), text);
  // Said once for a range of dates.
  run = runWith({"--service", "orthros", "--date", "2025-12-01", "--to", "2025-12-31", "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2);

  fs::remove_all(savedFile());
  fs::create_directories(savedFile());
  run = runWith(kOrthros);
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(named(run));
  EXPECT_EQ(run.err, "corvane-cli: Cannot read the commemorations in " + savedFile().string() +
                         ": it is a folder. corvane-cli goes on without them.\n");

  const std::pair<Args, std::string> refused[] = {
      {{"--commemorations", savedFile().string()},
       "corvane-cli: --commemorations: Cannot read the commemorations in " + savedFile().string() +
           ": it is a folder\n"},
      {{"--commemorations", "/no/such/commemorations.txt"},
       "corvane-cli: --commemorations: there is no file /no/such/commemorations.txt\n"},
      {{"--commemorations", ""},
       "corvane-cli: --commemorations: give the FILE of the parish's own commemorations\n"},
  };
  for (const auto& [given, err] : refused) {
    run = runWith(with(kOrthros, given));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, err);
  }
}

}  // namespace
}  // namespace corvane
