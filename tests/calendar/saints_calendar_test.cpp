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

// The rows of a date, in the order they are evaluated: on 1 to 7 November the
// first Saturday of November comes first, so the date's own row replaces it.
TEST(SaintsCalendar, RowsFiledUnderTheirDates) {
  struct Row {
    int month, day;
    std::vector<std::string_view> names;
  };
  const Row rows[] = {
      {1, 1, {"saints of 1 January"}},
      {1, 2, {}},
      {11, 1, {"saints of the first Saturday of November", "saints of 1 November"}},
      {11, 3, {"saints of the first Saturday of November"}},
      {11, 7, {"saints of the first Saturday of November", "saints of 7 November"}},
      {11, 8, {"saints of 8 November"}},
      {12, 29, {"saints of 29 December"}},
      {12, 31, {}},
  };
  for (const Row& row : rows) {
    std::vector<std::string_view> names;
    for (const SaintsRow* filed : saintsRowsOf(row.month, row.day)) names.push_back(filed->name);
    EXPECT_EQ(names, row.names) << row.month << "/" << row.day;
  }
}

}  // namespace
}  // namespace corvane
