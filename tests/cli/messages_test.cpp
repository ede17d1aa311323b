// What corvane-cli says to a person: its help, and a message for every
// mistyped name, date, option or booklet list that tells them what to type.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "cli/cli_run.h"
#include "platform/atomic_file.h"
#include "support/temporary_folder.h"
#include "support/typed_phrase.h"

namespace corvane {
namespace {

using testing::Args;
using testing::CliRun;
using testing::runWith;

Args with(const Args& extra) {
  return testing::with({"--service", "orthros", "--date", "2026-12-06"}, extra);
}

// (Each reason a date is refused: the booklet's tests in the composer.)
TEST(Messages, BadInputSaysWhatToType) {
  testing::TemporaryFolder folder;
  const std::string list = (folder.path() / "booklet.txt").string();
  const std::string missing = (folder.path() / "missing.txt").string();
  std::ofstream{list} << "2026-12-12 great-vespers\n2026-12-13 vesper\n";
  const std::string services =
      "(one of great-vespers, daily-vespers, orthros, daily-orthros, chrysostom, basil, "
      "presanctified)";
  const std::string patrons =
      "(one of trinity, lord, holy-spirit, theotokos, cross, archangels, forerunner, apostles, "
      "ancestors, all-saints, chrysostom, basil, gregory, nicholas)";
  const std::pair<Args, std::string> rows[] = {
      {{"--service", "vesper", "--date", "2026-12-06"},
       "--service: unknown service 'vesper' " + services},
      {{"--service", "", "--date", "2026-12-06"}, "--service: give a service " + services},
      {with({"--patron", "peter"}), "--patron: unknown patron 'peter' " + patrons},
      {with({"--patron-text", "   \t "}),
       "--patron-text: the patron phrase is empty; type the patron's name"},
      {{"--service", "orthros", "--date", "2026-2-3"},
       "--date: '2026-2-3' is not a date of the form YYYY-MM-DD"},
      {with({"--to", "2026-12-05"}), "--to: 2026-12-05 is before --date 2026-12-06"},
      {with({"--service", "orthros"}), "--service: given more than once"},
      {with({"--calendar", "gregorian"}),
       "--calendar: unknown calendar 'gregorian' (one of new, old)"},
      {with({"--docx", "a.docx", "--paper", "legal"}),
       "--paper: unknown paper 'legal' (one of letter, a4)"},
      {with({"--paper", "a4"}),
       "--paper: lays out --docx or --pdf; give --docx FILE or --pdf FILE"},
      {with({"--docx", "a.docx", "--pdf", "a.pdf"}),
       "--docx and --pdf: give one of them, not both"},
      {with({"--pdf", "a.pdf", "--json"}), "--pdf: writes a file; leave out --json"},
      // A range is written as a booklet, which holds 5000 dismissals at most.
      {with({"--pdf", "a.pdf", "--to", "2040-08-14"}),
       "--pdf: a file holds at most 5000 dismissals, and --date 2026-12-06 --to 2040-08-14 "
       "gives 5001; give a shorter range"},
      {with({"--explain", "--to", "2026-12-07"}),
       "--explain: explains a single date; leave out --to"},
      {with({"--evening"}),
       "--evening: only the Divine Liturgies (chrysostom, basil) are served in the evening"},
      {with({"--txt", ""}), "--txt: give a FILE to write"},
      {{"--date", "2026-12-06"},
       "--service: give the service " + services.substr(0, services.size() - 1) +
           "), or --booklet FILE"},
      {{"--service", "orthros"},
       "--date: give the date on which the service is served, as YYYY-MM-DD"},
      {with({"--patron", "cross", "--patron-text", "x"}),
       "--patron and --patron-text: give one of them, not both"},
      {with({"--patron-text", "\xC3\x28"}), "--patron-text: the text is not valid UTF-8"},
      {with({"--unknown"}),
       "The following argument was not expected: --unknown (corvane-cli --help lists the options)"},
      {{"--booklet", list}, list + ":2: unknown service 'vesper' " + services},
      {{"--booklet", list, "--service", "orthros"},
       "--booklet: composes the services of its list; leave out --service"},
      {{"--booklet", missing}, "--booklet: cannot read " + missing},
      {{"--booklet", "-"}, "standard input: the booklet list holds no service"},
  };
  for (const auto& [args, message] : rows) {
    SCOPED_TRACE(message);
    const CliRun run = runWith(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "corvane-cli: " + message + "\n");
  }
}

// A typed phrase cleaned of blanks at its ends and of control characters, and
// kept to one line (each character: the lower layers), in the sentence, the
// explanation and the text file alike.
TEST(Messages, ATypedPhraseCleaned) {
  const CliRun run =
      runWith(with({"--patron-text", "  of St.\x01 Herman\x1B\x7F\xC2\x85 \t", "--json"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("fathers; of St. Herman; of the holy and"), std::string::npos) << run.out;
  const std::string typed{testing::kTypedAcrossLines}, line{testing::kTypedOnOneLine};
  const CliRun explained = runWith(with({"--patron-text", typed, "--explain"}));
  ASSERT_EQ(explained.status, 0) << explained.err;
  EXPECT_NE(explained.out.find("fathers; " + line + "; of the holy and"), std::string::npos)
      << explained.out;
  EXPECT_NE(explained.out.find("Temple: \"" + line + "\""), std::string::npos) << explained.out;
  testing::TemporaryFolder folder;
  const std::string file = (folder.path() / "typed.txt").string();
  ASSERT_EQ(runWith(with({"--patron-text", typed, "--txt", file})).status, 0);
  const std::string text = readWholeFile(file).value();
  EXPECT_NE(text.find("fathers; " + line + "; of the holy and"), std::string::npos) << text;
}

// The help's words, and --version, are pinned by the manual pages
// (tests/packaging/manual.sh); here, that the help fits a terminal.
TEST(Messages, HelpFitsATerminal) {
  const CliRun help = runWith({"--help"});
  ASSERT_EQ(help.status, 0);
  std::istringstream lines{help.out};
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

// Command lines of every kind, drawn from a fixed seed: each ends with a
// status and, when refused, one line of explanation and nothing on stdout.
TEST(HostileCommandLine, MalformedCommandLinesEndWithAMessage) {
  // clang-format off
  const std::vector<std::string> words = {
      "--service", "--date", "--to", "--evening", "--patron", "--patron-text", "--bishop", "--json",
      "--explain", "--txt", "/nonexistent-folder/x.txt", "orthros", "basil", "great-vespers",
      "2022-10-08", "2022-02-30", "0000-00-00", "99999-01-01", "-1", "1583-01-01", "9999-12-30",
      "9999-12-31", "nicholas", "", " ", "\xFF\xFE", "--", "-", "--service=orthros",
      "--date=2022-10-08", "\x01", "Ἀ", "--help-all", "-x"};
  // clang-format on
  std::mt19937 random{1583};
  for (int round = 0; round < 2000; ++round) {
    testing::Args args;
    const int count = std::uniform_int_distribution<int>{0, 9}(random);
    for (int i = 0; i < count; ++i) {
      args.push_back(
          words[std::uniform_int_distribution<std::size_t>{0, words.size() - 1}(random)]);
    }
    std::string joined;
    for (const std::string& arg : args) joined += arg + ' ';
    const testing::CliRun run = testing::runWith(args);
    ASSERT_TRUE(run.status == 0 || run.status == 1 || run.status == 2) << joined;
    if (run.status != 0) {
      EXPECT_EQ(run.out, "") << joined;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << joined << run.err;
    }
  }
}

}  // namespace
}  // namespace corvane
