#include "composer/booklet.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace std::chrono;

using Entries = std::vector<ServiceRequest>;

Entries readOrFail(std::string_view text) {
  const Result<Entries> read = readBookletList(text, "booklet.txt");
  if (!read) {
    ADD_FAILURE() << read.error();
    return {};
  }
  return *read;
}

std::string problemOf(std::string_view text) {
  const Result<Entries> read = readBookletList(text, "booklet.txt");
  return read ? "(read)" : read.error();
}

TEST(BookletList, TheFormat) {
  const Entries expected = {{2026y / December / 12, Service::greatVespers, false},
                            {2026y / December / 13, Service::basil, true},
                            {2026y / December / 13, Service::orthros, false}};
  // Comments, empty lines, blanks and tabs, CR LF, a byte-order mark, no
  // line break at the end; the list keeps the order written.
  for (const char* text :
       {"2026-12-12 great-vespers\n2026-12-13 basil evening\n2026-12-13 orthros\n",
        "# a weekend\n\n  2026-12-12\tgreat-vespers  \n   \n2026-12-13  basil\t evening\n"
        "#2026-12-14 orthros\n2026-12-13 orthros",
        "\xEF\xBB\xBF"
        "2026-12-12 great-vespers\r\n2026-12-13 basil evening\r\n2026-12-13 "
        "orthros\r\n",
        // Names in any letter case, as a person writes them and as the options take them.
        "2026-12-12 Great-Vespers\n2026-12-13 BASIL Evening\n2026-12-13 Orthros\n"}) {
    EXPECT_EQ(readOrFail(text), expected) << text;
  }
  EXPECT_EQ(readOrFail(""), Entries{});
  EXPECT_EQ(readOrFail("# nothing\n\n"), Entries{});
  // Written back as the windows keep it, and read again the same.
  EXPECT_EQ(bookletListText(expected),
            "# Corvane booklet: YYYY-MM-DD SERVICE [evening], one dismissal a line\n"
            "2026-12-12 great-vespers\n2026-12-13 basil evening\n2026-12-13 orthros\n");
  EXPECT_EQ(readOrFail(bookletListText(expected)), expected);
}

// Every kind of bad line, named by the file and its number.
TEST(BookletList, BadLinesSayWhereAndWhat) {
  const std::string services =
      " (one of great-vespers, daily-vespers, orthros, daily-orthros, chrysostom, basil, "
      "presanctified)";
  struct Row {
    std::string text;
    std::string message;
  };
  const Row rows[] = {
      {"# ok\n2026-12-12 orthros\n2026-12-13 vesper\n",
       "booklet.txt:3: unknown service 'vesper'" + services},
      {"2026-12-12\n", "booklet.txt:1: no service after the date" + services},
      {"2026-02-30 orthros\n", "booklet.txt:1: '2026-02-30' is not a real date"},
      {"12/12/2026 orthros\n", "booklet.txt:1: '12/12/2026' is not a date of the form YYYY-MM-DD"},
      {"\n\n1582-12-31 orthros\n",
       "booklet.txt:3: 1582-12-31 is outside the supported dates 1583-01-01 to 9999-12-30"},
      {"2026-12-12 orthros evening\n", "booklet.txt:1: 'evening' only after chrysostom or basil"},
      {"2026-12-12 basil morning\n",
       "booklet.txt:1: 'morning' after the service: only 'evening' may stand there"},
      {"2026-12-12 basil evening again\n", "booklet.txt:1: 'again' at the end of the line"},
      {"2026-12-12 Orthr\xC3\xB6s\n", "booklet.txt:1: unknown service 'Orthr\xC3\xB6s'" + services},
  };
  for (const Row& row : rows) EXPECT_EQ(problemOf(row.text), row.message);
  // Several bad lines: every one is named, in order, one a line, and nothing is read.
  EXPECT_EQ(problemOf("2026-12-12 vesper\n2026-12-13 orthros\n2026-02-30 orthros\n\n"
                      "2026-12-14 orthros evening\n"),
            "booklet.txt:1: unknown service 'vesper'" + services +
                "\nbooklet.txt:3: '2026-02-30' is not a real date"
                "\nbooklet.txt:5: 'evening' only after chrysostom or basil");
}

TEST(BookletList, AtMostFiveThousandEntries) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "2026-12-13 orthros\n";
  EXPECT_EQ(readOrFail(text).size(), 5000u);
  text += "2026-12-13 orthros\n2026-12-13 orthros\n2026-12-13 vesper\n";
  EXPECT_EQ(problemOf(text),
            "booklet.txt:5001: more than 5000 dismissals\nbooklet.txt:5003: unknown service "
            "'vesper' (one of great-vespers, daily-vespers, orthros, daily-orthros, chrysostom, "
            "basil, presanctified)");
}

// The order in which the services of a day are served, each once.
TEST(BookletList, KeptInTheOrderServed) {
  const Date saturday = 2026y / December / 12, sunday = saturday + days{1};
  const Entries served = {
      {saturday, Service::greatVespers, false}, {sunday, Service::orthros, false},
      {sunday, Service::dailyOrthros, false},   {sunday, Service::chrysostom, false},
      {sunday, Service::basil, false},          {sunday, Service::presanctified, false},
      {sunday, Service::chrysostom, true},      {sunday, Service::basil, true},
      {sunday, Service::greatVespers, false},   {sunday, Service::dailyVespers, false},
  };
  Entries entries;
  for (auto entry = served.rbegin(); entry != served.rend(); ++entry) {
    EXPECT_TRUE(addToBooklet(entries, *entry));
  }
  EXPECT_FALSE(addToBooklet(entries, {sunday, Service::orthros, false})) << "already there";
  EXPECT_EQ(entries, served);
}

TEST(BookletList, ComposedForTheOneTemple) {
  TempleSettings temple;
  temple.bishopPresent = true;
  temple.calendar = TempleCalendar::oldCalendar;
  const auto dismissals = composeBooklet({{2027y / January / 6, Service::greatVespers, false},
                                          {2027y / January / 7, Service::chrysostom, false}},
                                         temple);
  ASSERT_EQ(dismissals.size(), 2u);
  for (const Dismissal& dismissal : dismissals) {
    EXPECT_EQ(dismissal.dayTitle, "Nativity of Our Lord");
    EXPECT_TRUE(dismissal.endingText.starts_with("HIERARCHICAL ENDING"));
  }
  EXPECT_EQ(dismissals[0].request.served, Date{2027y / January / 6});
  EXPECT_EQ(dismissals[1].serviceHeading, "-- Divine Liturgy of St. John Chrysostom --");
}

}  // namespace
}  // namespace corvane
