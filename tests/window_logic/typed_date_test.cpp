#include "window_logic/typed_date.h"

#include <gtest/gtest.h>

#include "state/picked_date.h"

namespace corvane {
namespace {

// The system's short date patterns of three locales, in Qt's letters.
constexpr std::string_view kUnitedStates = "M/d/yy";
constexpr std::string_view kBritain = "dd/MM/yyyy";
constexpr std::string_view kGermany = "dd.MM.yy";
constexpr std::string_view kNamesTheMonth = "d MMM yyyy";  // the C locale's

// 7 January 2027 was a Thursday (the date of the report that asked for these forms).
TEST(TypedDate, AWholeDateIsReadAsPeopleWriteIt) {
  struct Row {
    std::string_view typed;
    std::string_view pattern;
    std::string_view date;
  };
  const Row rows[] = {
      {"2027-01-07", kUnitedStates, "2027-01-07"},
      {"1/7/2027", kUnitedStates, "2027-01-07"},
      {"07/01/2027", kBritain, "2027-01-07"},
      {"07.01.2027", kGermany, "2027-01-07"},
      {"2027/1/7", kGermany, "2027-01-07"},  // a year written first is first
      {"Jan 7 2027", kUnitedStates, "2027-01-07"},
      {"7 January 2027", kUnitedStates, "2027-01-07"},
      {"January 7, 2027", kGermany, "2027-01-07"},
      {"Thu, Jan 07, 2027", kUnitedStates, "2027-01-07"},
      {"Thursday, January 7, 2027", kUnitedStates, "2027-01-07"},
      {"Thursday 1/7/2027", kUnitedStates, "2027-01-07"},
      {"  thu 7 JAN. 2027 \n", kUnitedStates, "2027-01-07"},
      {"January 7th, 2027", kUnitedStates, "2027-01-07"},
      {"2027 January 7", kUnitedStates, "2027-01-07"},
      {"Sept 9, 2027", kUnitedStates, "2027-09-09"},
      {"May 1, 2027", kUnitedStates, "2027-05-01"},
      {"1/7/2027", kNamesTheMonth, "2027-07-01"},  // day before month, as "d MMM yyyy"
      {"Feb 29 2028", kUnitedStates, "2028-02-29"},
      {"1583-01-01", kUnitedStates, "1583-01-01"},
      {"9999-12-30", kUnitedStates, "9999-12-30"},
  };
  for (const Row& row : rows) {
    const Result<Date> read = readTypedDate(row.typed, row.pattern);
    ASSERT_TRUE(read) << row.typed << ": " << read.error();
    EXPECT_EQ(isoDate(*read), row.date) << row.typed;
  }
}

TEST(TypedDate, WhatCannotBeTakenIsSaidInPlainWords) {
  struct Row {
    std::string_view typed;
    std::string_view pattern;
    std::string_view message;
  };
  const Row rows[] = {
      {" ", kUnitedStates, "Type a date, such as 2027-01-07 or January 7, 2027."},
      {"7/1", kUnitedStates,
       "'7/1' is not a date that can be read: type it as 2027-01-07, 1/7/2027 or January 7, "
       "2027."},
      {"7/1", kBritain,
       "'7/1' is not a date that can be read: type it as 2027-01-07, 07/01/2027 or January 7, "
       "2027."},
      {"7/1", kNamesTheMonth,
       "'7/1' is not a date that can be read: type it as 2027-01-07 or January 7, 2027."},
      {"Jan Feb 7 2027", kGermany,
       "'Jan Feb 7 2027' is not a date that can be read: type it as 2027-01-07, 07.01.2027 or "
       "January 7, 2027."},
      {"2027-01-07 <b>&", kUnitedStates,
       "'2027-01-07 <b>&' is not a date that can be read: type it as 2027-01-07, 1/7/2027 or "
       "January 7, 2027."},
      {"20\x01"
       "27-01-07",
       kUnitedStates,
       "'20 27-01-07' is not a date that can be read: type it as 2027-01-07, 1/7/2027 or January "
       "7, 2027."},
      {"2027-01-07 or perhaps the eighth of January", kUnitedStates,
       "'2027-01-07 or perhaps the eighth of…' is not a date: 'or' is not the name of a month or "
       "a weekday."},
      {"tomorrow", kUnitedStates,
       "'tomorrow' is not a date: 'tomorrow' is not the name of a month or a weekday."},
      {"Jnu 7 2027", kUnitedStates,
       "'Jnu 7 2027' is not a date: 'Jnu' is not the name of a month or a weekday."},
      {"1/7/27", kUnitedStates, "'1/7/27': write the year with all its digits, such as 2027."},
      {"Jan 7 27", kUnitedStates, "'Jan 7 27': write the year with all its digits, such as 2027."},
      {"13/7/2027", kUnitedStates, "'13/7/2027' is not a date: there is no month 13."},
      {"2027-00-07", kUnitedStates, "'2027-00-07' is not a date: there is no month 0."},
      {"2027-02-29", kUnitedStates, "'2027-02-29' is not a date: February 2027 has 28 days."},
      {"31.04.2027", kGermany, "'31.04.2027' is not a date: April 2027 has 30 days."},
      {"Jan 0 2027", kUnitedStates, "'Jan 0 2027' is not a date: there is no day 0."},
      {"1582-12-31", kUnitedStates,
       "'1582-12-31' is outside the dates that can be composed, January 1, 1583 to December 30, "
       "9999."},
      {"9999-12-31", kUnitedStates,
       "'9999-12-31' is outside the dates that can be composed, January 1, 1583 to December 30, "
       "9999."},
      {"Thu, Dec 09, 0000", kUnitedStates,
       "'Thu, Dec 09, 0000' is outside the dates that can be composed, January 1, 1583 to December "
       "30, 9999."},
      {"Jan 7 20270", kUnitedStates,
       "'Jan 7 20270' is outside the dates that can be composed, January 1, 1583 to December 30, "
       "9999."},
      {"Wed, Jan 07, 2027", kUnitedStates,
       "'Wed, Jan 07, 2027': January 7, 2027 is a Thursday, not a Wednesday."},
  };
  for (const Row& row : rows) {
    const Result<Date> read = readTypedDate(row.typed, row.pattern);
    ASSERT_FALSE(read) << row.typed << " read as " << isoDate(*read);
    EXPECT_EQ(read.error(), row.message);
  }
}

}  // namespace
}  // namespace corvane
