#include "settings/local_commemorations.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// A day as it is written, both ways.
TEST(LocalCommemorations, TheDaysAsTheyAreWritten) {
  struct Row {
    std::string_view written;
    CommemorationDay day;
    std::string_view canonical;
  };
  const Row rows[] = {
      {"12-13", {.fromPascha = false, .month = 12, .day = 13}, "12-13"},
      {"1-6", {.fromPascha = false, .month = 1, .day = 6}, "01-06"},
      {"02-29", {.fromPascha = false, .month = 2, .day = 29}, "02-29"},
      {"P+63", {.fromPascha = true, .daysFromPascha = 63}, "P+63"},
      {"p-7", {.fromPascha = true, .daysFromPascha = -7}, "P-7"},
      {"P+0", {.fromPascha = true, .daysFromPascha = 0}, "P+0"},
      {"P-365", {.fromPascha = true, .daysFromPascha = -365}, "P-365"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.written);
    const Result<CommemorationDay> day = readCommemorationDay(row.written);
    ASSERT_TRUE(day) << day.error();
    EXPECT_EQ(*day, row.day);
    EXPECT_EQ(commemorationDayText(*day), row.canonical);
  }
}

// Every kind of bad line, said with its line, while the good lines apply.
TEST(LocalCommemorations, EveryBadLineIsNamedAndTheOthersApply) {
  const std::string text =
      "# the commemorations of our parish\n"                            // 1
      "12-13 of our venerable father Herman, wonderworker of Alaska\n"  // 2
      "\n"                                                              // 3
      "02-30 of no one\n"                                               // 4
      "13-01 of no one\n"                                               // 5
      "Dec-13 of St. Herman\n"                                          // 6
      "P+400 of no one\n"                                               // 7
      "P63 of no one\n"                                                 // 8
      "P+63\n"                                                          // 9
      "10-09 \t \x01 \n"                                                // 10
      "10-09 of St. \xC3\n"                                             // 11
      "   # an indented comment\n"                                      // 12
      "P+63 of all the saints who have shone forth in North America\n"  // 13
      "12-13of St. Herman\n"                                            // 14
      "+12-13 of St. Herman\n";                                         // 15
  const CommemorationsFile file = readCommemorationsText(text);
  const std::vector<std::string> problems = commemorationProblems(file, "commemorations.txt");
  const std::vector<std::string> expected = {
      "commemorations.txt:4: '02-30' is not a day of the year",
      "commemorations.txt:5: '13-01' is not a day of the year",
      "commemorations.txt:6: 'Dec-13' is not a day: write MM-DD (12-13), or P+N or P-N for N "
      "days from Pascha (P+63)",
      "commemorations.txt:7: 'P+400': at most 365 days from Pascha",
      "commemorations.txt:8: 'P63' is not a day: write MM-DD (12-13), or P+N or P-N for N days "
      "from Pascha (P+63)",
      "commemorations.txt:9: no phrase after 'P+63': type it as it should stand in the "
      "dismissal, beginning with \"of\"",
      "commemorations.txt:10: no phrase after '10-09': type it as it should stand in the "
      "dismissal, beginning with \"of\"",
      "commemorations.txt:11: the line is not UTF-8 text (save the file as UTF-8)",
      "commemorations.txt:14: '12-13of' is not a day: write MM-DD (12-13), or P+N or P-N for N "
      "days from Pascha (P+63)",
      "commemorations.txt:15: '+12-13' is not a day: write MM-DD (12-13), or P+N or P-N for N "
      "days from Pascha (P+63)",
  };
  EXPECT_EQ(problems, expected);

  const LocalCommemorations list = commemorationsOf(file, "commemorations.txt");
  EXPECT_EQ(list.fileName, "commemorations.txt");
  ASSERT_EQ(list.entries.size(), 2U);
  EXPECT_EQ(list.entries[0].day, (CommemorationDay{.fromPascha = false, .month = 12, .day = 13}));
  EXPECT_EQ(list.entries[0].phrase, "of our venerable father Herman, wonderworker of Alaska");
  EXPECT_EQ(list.entries[0].line, 2);
  EXPECT_EQ(list.entries[1].day, (CommemorationDay{.fromPascha = true, .daysFromPascha = 63}));
  EXPECT_EQ(list.entries[1].line, 13);

  // Nothing is lost: the file, bad lines and all, written again is the same.
  EXPECT_EQ(commemorationsFileText(file), text);
}

// The phrase is cleaned as a typed patron phrase is: one line, no control
// characters, no blanks at its ends; the blanks inside stay.
TEST(LocalCommemorations, ThePhraseIsCleanedAsATypedPhrase) {
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"12-13 of St. Herman", "of St. Herman"},
      {"12-13\tof St. Herman\t ", "of St. Herman"},
      {"  12-13   of St.  Herman  ", "of St.  Herman"},
      {"12-13 of St.\x07 Herman\xE2\x80\xAE", "of St. Herman"},
      {"12-13 of St. Herman\r", "of St. Herman"},  // a CR LF line
      {"12-13 of the New Martyrs of \xD0\xA0\xD0\xBE\xD1\x81\xD1\x81\xD0\xB8\xD1\x8F & <Kiev>",
       "of the New Martyrs of \xD0\xA0\xD0\xBE\xD1\x81\xD1\x81\xD0\xB8\xD1\x8F & <Kiev>"},
      {"12-13 of St. Herman # not a comment", "of St. Herman # not a comment"},
  };
  for (const auto& [line, phrase] : rows) {
    SCOPED_TRACE(line);
    const CommemorationsFile file = readCommemorationsText(std::string{line} + "\n");
    ASSERT_EQ(file.lines.size(), 1U);
    ASSERT_TRUE(file.lines[0].entry) << file.lines[0].problem;
    EXPECT_EQ(file.lines[0].entry->phrase, phrase);
  }
}

// The file's own form is kept: a byte-order mark, CR LF, a last line without
// its line break; an edited line is written the editors' way.
TEST(LocalCommemorations, TheFileIsWrittenAsItWasRead) {
  const std::string_view texts[] = {
      "",
      "\n",
      "12-13 of St. Herman",
      "\xEF\xBB\xBF# ours\r\n12-13 of St. Herman\r\n",
      "# ours\n\n\n12-13    of St. Herman   \nP+63 of all the saints\n",
  };
  for (std::string_view text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(commemorationsFileText(readCommemorationsText(text)), text);
  }

  CommemorationsFile file = readCommemorationsText("\xEF\xBB\xBF# ours\r\n12-13 of St. Herman\r\n");
  EXPECT_TRUE(file.byteOrderMark);
  EXPECT_TRUE(file.crLf);
  file.lines.push_back(commemorationLine({.fromPascha = true, .daysFromPascha = -7}, " of\tus "));
  EXPECT_EQ(commemorationsFileText(file),
            "\xEF\xBB\xBF# ours\r\n12-13 of St. Herman\r\nP-7 of us\r\n");
  const LocalCommemorations list = commemorationsOf(file, "ours.txt");
  ASSERT_EQ(list.entries.size(), 2U);
  EXPECT_EQ(list.entries[1].phrase, "of us");
  EXPECT_EQ(list.entries[1].line, 3);
}

}  // namespace
}  // namespace corvane
