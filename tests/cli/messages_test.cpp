// What corvane-cli says to a person: its help, its version, and a message for
// every mistyped name, date or option that tells them what to type.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "version.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::runWith;

const std::vector<std::string> kGood = {"--service", "orthros", "--date", "2026-12-06"};

std::vector<std::string> with(std::vector<std::string> extra) {
  std::vector<std::string> args = kGood;
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

TEST(Messages, BadInputSaysWhatToType) {
  const std::string services =
      "(one of great-vespers, daily-vespers, orthros, daily-orthros, chrysostom, basil, "
      "presanctified)";
  const std::string patrons =
      "(one of trinity, lord, holy-spirit, theotokos, cross, archangels, forerunner, apostles, "
      "ancestors, all-saints, chrysostom, basil, gregory, nicholas)";
  struct Row {
    std::vector<std::string> args;
    std::string message;
  };
  const Row rows[] = {
      {{"--service", "vesper", "--date", "2026-12-06"},
       "--service: unknown service 'vesper' " + services},
      {{"--service", "", "--date", "2026-12-06"}, "--service: give a service " + services},
      {with({"--patron", "peter"}), "--patron: unknown patron 'peter' " + patrons},
      {with({"--patron", ""}), "--patron: give a patron " + patrons},
      {with({"--patron-text", ""}),
       "--patron-text: the patron phrase is empty; type the patron's name"},
      {with({"--patron-text", "   \t "}),
       "--patron-text: the patron phrase is empty; type the patron's name"},
      {with({"--patron-text", "\x01\x7F"}),
       "--patron-text: the patron phrase is empty; type the patron's name"},
      {{"--service", "orthros", "--date", "2026-02-30"}, "--date: '2026-02-30' is not a real date"},
      {{"--service", "orthros", "--date", "2026-2-3"},
       "--date: '2026-2-3' is not a date of the form YYYY-MM-DD"},
      {{"--service", "orthros", "--date", "1582-12-31"},
       "--date: 1582-12-31 is outside the supported dates 1583-01-01 to 9999-12-30"},
      {with({"--to", "2026-12-05"}), "--to: 2026-12-05 is before --date 2026-12-06"},
      {with({"--to", "2026-12-07", "--to", "2026-12-08"}), "--to: given more than once"},
      {with({"--service", "orthros"}), "--service: given more than once"},
      {with({"--bishop", "--bishop"}), "--bishop: given more than once"},
      {with({"--json", "--json"}), "--json: given more than once"},
      {with({"--calendar", "old", "--calendar", "new"}), "--calendar: given more than once"},
      {with({"--calendar", "gregorian"}),
       "--calendar: unknown calendar 'gregorian' (one of new, old)"},
      {with({"--docx", "a.docx", "--paper", "legal"}),
       "--paper: unknown paper 'legal' (one of letter, a4)"},
      {with({"--paper", "a4"}),
       "--paper: lays out --docx or --pdf; give --docx FILE or --pdf FILE"},
      {with({"--docx", "a.docx", "--pdf", "a.pdf"}),
       "--docx and --pdf: give one of them, not both"},
      {with({"--pdf", "a.pdf", "--json"}), "--pdf: writes a file; leave out --json"},
      {with({"--pdf", "a.pdf", "--to", "2026-12-07"}),
       "--pdf: writes a single date; leave out --to"},
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
      {with({"--to", "10000-01-01"}), "--to: '10000-01-01' is not a date of the form YYYY-MM-DD"},
      {with({"extra"}),
       "The following argument was not expected: extra (corvane-cli --help lists the options)"},
      {with({"--unknown"}),
       "The following argument was not expected: --unknown (corvane-cli --help lists the options)"},
  };
  for (const Row& row : rows) {
    const CliRun run = runWith(row.args);
    EXPECT_EQ(run.status, 2) << row.message;
    EXPECT_EQ(run.out, "") << row.message;
    EXPECT_EQ(run.err, "corvane-cli: " + row.message + "\n");
  }
}

// Names in any letter case; a typed phrase cleaned of blanks at its ends and
// of control characters, so that no output carries one.
TEST(Messages, NamesInAnyCaseAndATypedPhraseCleaned) {
  const CliRun mixed = runWith({"--service", "Orthros", "--date", "2026-12-06", "--patron",
                                "Nicholas", "--calendar", "OLD", "--json"});
  ASSERT_EQ(mixed.status, 0) << mixed.err;
  EXPECT_EQ(mixed.out, runWith({"--service", "orthros", "--date", "2026-12-06", "--patron",
                                "nicholas", "--calendar", "old", "--json"})
                           .out);
  const CliRun typed =
      runWith(with({"--patron-text", "  of St.\x01 Herman\x1B\x7F\xC2\x85 \t", "--json"}));
  ASSERT_EQ(typed.status, 0) << typed.err;
  EXPECT_NE(typed.out.find("fathers; of St. Herman; of the holy and righteous"), std::string::npos)
      << typed.out;
  for (char control = 1; control < 0x20; ++control) {
    if (control != '\n' && control != '\t') {
      EXPECT_EQ(typed.out.find(control), std::string::npos) << static_cast<int>(control);
    }
  }
}

TEST(Messages, HelpAndVersion) {
  const CliRun help = runWith({"--help"});
  ASSERT_EQ(help.status, 0);
  std::istringstream lines{help.out};
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count) {
    EXPECT_LE(line.size(), 80u) << line;
  }
  EXPECT_GT(count, 30);
  for (const char* word : {"--service SERVICE",
                           "--date YYYY-MM-DD",
                           "--to YYYY-MM-DD",
                           "--evening",
                           "--booklet FILE",
                           "--patron PATRON",
                           "--patron-text TEXT",
                           "--bishop",
                           "--calendar CALENDAR",
                           "--json",
                           "--explain",
                           "--txt FILE",
                           "--docx FILE",
                           "--pdf FILE",
                           "--paper PAPER",
                           "--help",
                           "--version",
                           "--no-saved-temple",
                           "as the window last saved it",
                           "letter (the default)",
                           "the date on which the service is served",
                           "SERVICES below",
                           "PATRONS below",
                           "great-vespers",
                           "presanctified",
                           "holy-spirit",
                           "nicholas"}) {
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  }
  EXPECT_EQ(help.out.find("date picker"), std::string::npos);
  // The lists stand below the options that refer to them.
  EXPECT_LT(help.out.find("--service SERVICE"), help.out.find("SERVICES:"));
  EXPECT_LT(help.out.find("--patron PATRON"), help.out.find("PATRONS:"));

  const CliRun version = runWith({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "corvane-cli " + std::to_string(kVersionMajor) + "." +
                             std::to_string(kVersionMinor) + "." +
                             std::to_string(kVersionRevision) + "\n");
}

// The plain explanation names each clause as a reader would, and leaves out
// those that are empty; the JSON keeps its keys and its nulls.
TEST(Messages, ExplanationsInPlainNames) {
  const CliRun plain = runWith({"--service", "great-vespers", "--date", "2022-10-08", "--explain"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("\nSaints of the day: \"of the holy, glorious and all-laudable Apostle "
                           "James, son of Alphaeus, whose memory we celebrate this day, \" (saints "
                           "of 9 October)\n"),
            std::string::npos)
      << plain.out;
  for (const char* absent : {"saintsClause", "Feast:", "(empty)", "Weekday intercession"}) {
    EXPECT_EQ(plain.out.find(absent), std::string::npos) << absent;
  }
  const CliRun daily = runWith({"--service", "daily-orthros", "--date", "2026-12-22", "--explain"});
  EXPECT_NE(daily.out.find("\nWeekday intercession: \"at the supplication"), std::string::npos);
  EXPECT_NE(
      daily.out.find("\nDay's name: \"Forefeast of the Nativity\" (Forefeast of the Nativity)\n"),
      std::string::npos)
      << daily.out;
}

}  // namespace
}  // namespace corvane
