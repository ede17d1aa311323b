#include "output_files/text_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "composer/composed.h"
#include "output/text_layout.h"
#include "platform/atomic_file.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

std::string fileOf(const testing::Composed& composed) {
  return textFileBytes(composed.dismissal, englishLongDate);
}

// The layout, line by line, of a dismissal put together by hand.
TEST(TextFile, LayoutWithAndWithoutTheDaysName) {
  Dismissal dismissal;
  dismissal.request.served = 2022y / October / 8;
  dismissal.serviceHeading = "-- Great Vespers --";
  dismissal.dismissalText = "May Christ ... mankind.";
  dismissal.endingText = "Through the prayers ... save us.";
  const LongDateFormat longDate = [](Date) { return std::string{"the long date"}; };
  EXPECT_EQ(textFileBytes(dismissal, longDate),
            "the long date\r\n-- Great Vespers --\r\n\r\nMay Christ ... mankind.\r\n\r\nThrough "
            "the prayers ... save us.");
  dismissal.dayTitle = "Palm Sunday";
  EXPECT_EQ(textLayout(dismissal, longDate, "\n"),
            "the long date - Palm Sunday\n-- Great Vespers --\n\nMay Christ ... mankind.\n\n"
            "Through the prayers ... save us.");
  // The long date is the picked date's.
  EXPECT_EQ(dateLine(dismissal, englishLongDate), "Saturday, October 8, 2022 - Palm Sunday");
}

TEST(TextFile, PaschalDateEndsWithTheElevenLinesOfTheBlock) {
  const std::string bytes = fileOf(compose(Service::orthros, 2025y / April / 20));
  EXPECT_TRUE(
      bytes.starts_with("Sunday, April 20, 2025 - Holy Pascha\r\n-- Orthros --\r\n\r\nMay "));
  EXPECT_TRUE(bytes.ends_with(
      "mankind.\r\n\r\nPASCHAL ENDING\r\n\r\nPRIEST:  Christ is risen!\r\nRESPONSE: Indeed, He is "
      "risen!\r\n(thrice)\r\n\r\nPRIEST: Glory to his holy third-day resurrection.\r\nRESPONSE: We "
      "adore his third-day resurrection.\r\n\r\nPRIEST: Christ is risen from the dead trampling "
      "down death by death and upon those in the tombs . . .\r\nRESPONSE: . . . bestowing life."));
}

TEST(TextFile, WrittenWholeOrReported) {
  testing::TemporaryFolder folder;
  const auto composed = compose(Service::orthros, 2025y / April / 20);
  const auto file = folder.path() / "dismissal.txt";
  ASSERT_TRUE(writeTextFile(file, composed.dismissal, englishLongDate));
  EXPECT_EQ(readWholeFile(file), fileOf(composed));
  const auto missing = folder.path() / "missing" / "dismissal.txt";
  EXPECT_EQ(writeTextFile(missing, composed.dismissal, englishLongDate),
            Failure{"Cannot write " + missing.string() + ": No such file or directory"});
}

// The long date of the English convention, without the system's help.
TEST(EnglishDate, LongAndIsoForms) {
  struct Row {
    Date date;
    const char* longForm;
    const char* iso;
  };
  const Row rows[] = {
      {1583y / January / 1, "Saturday, January 1, 1583", "1583-01-01"},
      {2022y / October / 8, "Saturday, October 8, 2022", "2022-10-08"},
      {2024y / February / 29, "Thursday, February 29, 2024", "2024-02-29"},
      {2026y / June / 14, "Sunday, June 14, 2026", "2026-06-14"},
      {2026y / March / 2, "Monday, March 2, 2026", "2026-03-02"},
      {2026y / April / 7, "Tuesday, April 7, 2026", "2026-04-07"},
      {2026y / May / 13, "Wednesday, May 13, 2026", "2026-05-13"},
      {2026y / July / 17, "Friday, July 17, 2026", "2026-07-17"},
      {2026y / August / 1, "Saturday, August 1, 2026", "2026-08-01"},
      {2026y / September / 30, "Wednesday, September 30, 2026", "2026-09-30"},
      {2026y / November / 12, "Thursday, November 12, 2026", "2026-11-12"},
      {9999y / December / 31, "Friday, December 31, 9999", "9999-12-31"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(englishLongDate(row.date), row.longForm);
    EXPECT_EQ(isoDate(row.date), row.iso);
  }
}

}  // namespace
}  // namespace corvane
