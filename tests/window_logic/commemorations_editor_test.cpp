#include "window_logic/commemorations_editor.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using namespace std::chrono;

class Commemorations : public ::testing::Test {
 protected:
  testing::TemporaryFolder folder;
  const std::filesystem::path file = folder.path() / "commemorations.txt";
  TempleSettings temple;
  std::vector<std::string> reports;
  CommemorationsEditor editor{file, temple,
                              [this](const std::string& message) { reports.push_back(message); }};

  std::string saved() const { return readWholeFile(file).value_or("(no file)"); }
  std::vector<std::string> phrases() const {
    std::vector<std::string> all;
    for (const LocalCommemoration& each : temple.commemorations.entries) {
      all.push_back(each.phrase);
    }
    return all;
  }
};

// A CR LF file with a comment, a bad line and no last line break.
constexpr std::string_view kByHand =
    "# ours\r\n"
    "12-13   of St. Herman\r\n"
    "02-30 of no one\r\n"
    "\r\n"
    "P+63 of all the saints of our land";

// The lines that cannot be read are said once and kept; the table shows them
// among the commemorations; the others apply; nothing is written by reading.
TEST_F(Commemorations, ABadLineIsSaidAndKept) {
  ASSERT_TRUE(writeFileAtomically(file, kByHand));
  editor.load();
  const std::string said = file.string() +
                           ":3: '02-30' is not a day of the year. The line is kept in the file "
                           "as it stands; the other commemorations apply.";
  EXPECT_EQ(reports, std::vector<std::string>{said});
  EXPECT_EQ(editor.notice(), said);
  EXPECT_EQ(phrases(),
            (std::vector<std::string>{"of St. Herman", "of all the saints of our land"}));
  EXPECT_EQ(temple.commemorations.fileName, "commemorations.txt");
  EXPECT_EQ(temple.commemorations.entries[1].line, 5);

  const std::vector<CommemorationRow> rows =
      editor.rows(2025y / December / 1, TempleCalendar::newCalendar, englishLongDate);
  ASSERT_EQ(rows.size(), 3U);
  EXPECT_EQ(rows[0].day, "12-13");
  EXPECT_EQ(rows[0].next, "Saturday, December 13, 2025");
  EXPECT_FALSE(rows[1].readable);
  EXPECT_EQ(rows[1].day, "02-30");
  EXPECT_EQ(rows[1].phrase, "of no one");
  EXPECT_EQ(rows[1].next, "cannot be read: '02-30' is not a day of the year");
  EXPECT_EQ(rows[2].next, "Sunday, June 14, 2026");  // Pascha 2026: 12 April

  editor.reload();
  EXPECT_EQ(reports.size(), 1U) << "said once, at start";
  EXPECT_EQ(saved(), kByHand);
}

// Every change is saved at once and given to the temple; Undo brings back
// the file byte for byte, its own line breaks and comments with it.
TEST_F(Commemorations, ChangesAreSavedAndUndone) {
  ASSERT_TRUE(writeFileAtomically(file, kByHand));
  editor.load();
  reports.clear();

  ASSERT_TRUE(editor.add(" p-7 ", "of the holy\tPalm-bearers "));
  EXPECT_EQ(saved(), std::string{kByHand} + "\r\nP-7 of the holy Palm-bearers\r\n");
  ASSERT_TRUE(editor.change(1, "2-28", "of the one we meant"));  // mends the bad line
  EXPECT_EQ(editor.notice(), "");
  editor.remove(0);
  EXPECT_EQ(saved(),
            "# ours\r\n02-28 of the one we meant\r\n\r\nP+63 of all the saints of our land\r\nP-7 "
            "of the holy Palm-bearers\r\n");
  EXPECT_EQ(phrases(),
            (std::vector<std::string>{"of the one we meant", "of all the saints of our land",
                                      "of the holy Palm-bearers"}));
  ASSERT_TRUE(editor.change(0, "02-28", "of the one we meant")) << "no change";
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(editor.canUndo());
    editor.undo();
  }
  EXPECT_FALSE(editor.canUndo());
  EXPECT_EQ(saved(), kByHand);
  EXPECT_EQ(phrases(),
            (std::vector<std::string>{"of St. Herman", "of all the saints of our land"}));
  EXPECT_NE(editor.notice(), "");
  EXPECT_EQ(reports, std::vector<std::string>{});
}

// A day or a phrase that cannot stand in the file is refused with what is
// wrong, and nothing is saved.
TEST_F(Commemorations, WhatCannotStandIsRefused) {
  const std::pair<std::pair<std::string_view, std::string_view>, std::string_view> rows[] = {
      {{"", "of St. Herman"},
       "Type the day: write MM-DD (12-13), or P+N or P-N for N days from Pascha (P+63)"},
      {{"12/13", "of St. Herman"},
       "'12/13' is not a day: write MM-DD (12-13), or P+N or P-N for N days from Pascha (P+63)"},
      {{"04-31", "of St. Herman"}, "'04-31' is not a day of the year"},
      {{"P+366", "of St. Herman"}, "'P+366': at most 365 days from Pascha"},
      {{"12-13", " \t\x01"},
       "no phrase after '12-13': type it as it should stand in the dismissal, beginning with "
       "\"of\""},
  };
  for (const auto& [typed, why] : rows) {
    const Done added = editor.add(typed.first, typed.second);
    ASSERT_FALSE(added);
    EXPECT_EQ(added.error(), why);
  }
  EXPECT_EQ(saved(), "(no file)");
  EXPECT_FALSE(editor.canUndo());

  // A list begun by the editor opens with a line for whoever edits it by hand.
  ASSERT_TRUE(editor.add("12-13", "of St. Herman"));
  EXPECT_EQ(saved(), std::string{kCommemorationsHeading} + "\n12-13 of St. Herman\n");
  const Done changed = editor.change(0, "13-13", "of St. Herman");
  ASSERT_FALSE(changed);
  EXPECT_EQ(saved(), std::string{kCommemorationsHeading} + "\n12-13 of St. Herman\n");
}

// A file that cannot be read at all is said and left as it is: nothing
// applies, and nothing is saved over it.
TEST_F(Commemorations, AnUnreadableFileIsKept) {
  std::filesystem::create_directories(file);
  editor.load();
  ASSERT_EQ(reports.size(), 1U);
  EXPECT_EQ(reports[0], "Cannot read the commemorations in " + file.string() +
                            ": it is a folder. The file is kept as it is: no commemoration of it "
                            "applies, and nothing is saved over it until it can be read.");
  EXPECT_FALSE(editor.mayChange());
  EXPECT_FALSE(editor.add("12-13", "of St. Herman"));
  EXPECT_TRUE(std::filesystem::is_directory(file));
  EXPECT_TRUE(temple.commemorations.empty());
}

// A list that cannot be saved is said; the change applies all the same.
TEST_F(Commemorations, AFailedSaveIsSaid) {
  CommemorationsEditor nowhere{folder.path() / "missing" / "commemorations.txt", temple,
                               [this](const std::string& message) { reports.push_back(message); }};
  nowhere.load();
  ASSERT_TRUE(nowhere.add("12-13", "of St. Herman"));
  ASSERT_EQ(reports.size(), 1U);
  EXPECT_TRUE(reports[0].ends_with(". The change applies until the program ends.")) << reports[0];
  EXPECT_EQ(phrases(), std::vector<std::string>{"of St. Herman"});
}

// The next day of each, in the temple's calendar, and what it gives way to.
TEST(CommemorationsNextDay, InTheTemplesCalendar) {
  struct Row {
    std::string_view day;
    TempleCalendar calendar;
    Date from, next;
  };
  const Row rows[] = {
      {"12-13", TempleCalendar::newCalendar, 2025y / December / 13, 2025y / December / 13},
      {"12-13", TempleCalendar::newCalendar, 2025y / December / 14, 2026y / December / 13},
      {"12-13", TempleCalendar::oldCalendar, 2025y / December / 14, 2025y / December / 26},
      {"02-29", TempleCalendar::newCalendar, 2025y / March / 1, 2028y / February / 29},
      {"02-29", TempleCalendar::oldCalendar, 2025y / March / 1, 2028y / March / 13},
      {"P+63", TempleCalendar::newCalendar, 2026y / June / 15, 2027y / July / 4},
      {"P-70", TempleCalendar::oldCalendar, 2026y / January / 1, 2026y / February / 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.day);
    EXPECT_EQ(nextDayOf(readCommemorationDay(row.day).value(), row.calendar, row.from), row.next);
  }
  // P+300 of a church year falls in the next one, whose movable dates are its own.
  EXPECT_EQ(nextDayOf(readCommemorationDay("P+300").value(), TempleCalendar::newCalendar,
                      2026y / January / 1),
            std::nullopt);

  testing::TemporaryFolder folder;
  ASSERT_TRUE(writeFileAtomically(folder.path() / "commemorations.txt", "P-7 of St. Herman\n"));
  TempleSettings temple;
  CommemorationsEditor editor{folder.path() / "commemorations.txt", temple, {}};
  editor.load();
  EXPECT_EQ(editor.rows(2026y / March / 1, TempleCalendar::newCalendar, englishLongDate)[0].next,
            "Sunday, April 5, 2026: gives way to Palm Sunday");
}

}  // namespace
}  // namespace corvane
