#include "calendar/saints_calendar.h"

#include <gtest/gtest.h>

#include "support/tsv.h"

namespace corvane {
namespace {

using testing::readTsv;

constexpr const char* kConditionNames[] = {"always", "saturday", "afterPascha",
                                           "firstSaturdayOfNovember"};

std::string hierarchsOf(unsigned named) {
  std::string names;
  for (const auto& [bit, name] :
       {std::pair{hierarch::kBasil, "basil"}, std::pair{hierarch::kChrysostom, "chrysostom"},
        std::pair{hierarch::kNicholas, "nicholas"}}) {
    if ((named & bit) == 0) continue;
    if (!names.empty()) names += ',';
    names += name;
  }
  return names;
}

// Every row, word for word, against the copy of the calendar kept apart from
// the code: date, condition, text and what else the row does.
TEST(SaintsCalendar, EveryRowAgainstTheIndependentCopy) {
  const auto expected = readTsv("saints.tsv");
  const auto rows = saintsCalendar();
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SaintsRow& row = rows[i];
    const auto& want = expected[i];  // month, day, condition, text, ancestors, title, hierarchs
    SCOPED_TRACE("row " + std::to_string(i + 1) + ": " + want[0] + "/" + want[1]);
    EXPECT_EQ(std::to_string(row.month), want[0]);
    if (row.condition == SaintsCondition::firstSaturdayOfNovember) {
      EXPECT_EQ(want[1], "1-7");
    } else {
      EXPECT_EQ(std::to_string(row.day), want[1]);
    }
    EXPECT_EQ(kConditionNames[static_cast<int>(row.condition)], want[2]);
    EXPECT_EQ(row.text, want[3]);
    EXPECT_EQ(row.also.ancestorsClause, want[4]);
    EXPECT_EQ(row.also.dayTitle, want[5]);
    std::string named = want[6];  // in any order
    if (named == "chrysostom,basil") named = "basil,chrysostom";
    EXPECT_EQ(hierarchsOf(row.also.namedHierarchs), named);
  }
}

}  // namespace
}  // namespace corvane
