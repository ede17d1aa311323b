#include "calendar/pascha.h"

#include "state/church_date.h"

namespace corvane {

using namespace std::chrono;

Date paschaOf(int year) {
  // The Julian computus: d places the paschal full moon, e finds the Sunday
  // after it, and the offset carries the Julian date into the civil calendar,
  // so that Pascha falls f days after 28 March. Counting days from 28 March,
  // rather than splitting f into a month and a day by hand, stays right in
  // every year: from 5243 on the split would give "31 June".
  const int a = year % 19;
  const int d = (19 * a + 15) % 30;
  const int e = (d + year + year / 4) % 7;
  int offset = 10;  // the Julian calendar's lag behind the civil one, up to 1700
  if (year > 1600) {
    const int century = year / 100;
    offset = 10 + (century - 16) - (century - 16) / 4;
  }
  const int f = d - e + offset;
  return Date{std::chrono::year{year} / March / 28} + days{f};
}

namespace {

struct Meeting {
  Date feast;
  std::optional<Date> leavetaking;
};

// A Julian Pascha from 22 to 31 March brings the Meeting into Cheesefare
// week or onto Clean Monday; k counts the days from 2 February to Pascha.
struct MeetingBeforeLent {
  int firstK, lastK;
  std::optional<int> leavetakingFromCleanMonday;  // none: the feast has no afterfeast
  bool keptOnCheesefareSunday;                    // 2 February is Clean Monday
};

// clang-format off
constexpr MeetingBeforeLent kMeetingBeforeLent[] = {
    {57, 58, -6, false},            // 2 February on the Friday or Saturday before Meatfare Sunday
    {55, 56, -4, false},            // on Meatfare Sunday or Cheesefare Monday
    {53, 54, -2, false},            // on Cheesefare Tuesday or Wednesday
    {50, 52, -1, false},            // on Cheesefare Thursday to Saturday
    {49, 49, std::nullopt, false},  // on Cheesefare Sunday
    {48, 48, std::nullopt, true},   // on Clean Monday: kept the day before
};
// clang-format on

// The Meeting by the date of Pascha in the temple's calendar: with Pascha
// early in April its Leavetaking is counted back from Clean Monday, otherwise
// it is 9 February (also for Pascha in June or July, from 5175 on).
Meeting meetingOf(int year, Date pascha, Date cleanMonday, TempleCalendar calendar) {
  const ChurchDate easter = churchDateOf(pascha, calendar);
  const Date february2 = dayOf({year, 2, 2}, calendar);
  if (easter.month == 3) {
    const auto k = (pascha - february2).count();
    for (const MeetingBeforeLent& row : kMeetingBeforeLent) {
      if (k < row.firstK || k > row.lastK) continue;
      const Date feast = row.keptOnCheesefareSunday ? cleanMonday - days{1} : february2;
      if (!row.leavetakingFromCleanMonday) return {feast, std::nullopt};
      return {feast, cleanMonday + days{*row.leavetakingFromCleanMonday}};
    }
  }
  if (easter.month == 4 && easter.day <= 4) return {february2, cleanMonday - days{6}};
  if (easter.month == 4 && easter.day <= 8) return {february2, cleanMonday - days{11}};
  return {february2, dayOf({year, 2, 9}, calendar)};
}

}  // namespace

MovableDates movableDatesOf(int year, TempleCalendar calendar) {
  const Date pascha = paschaOf(year);
  const Date cleanMonday = pascha - days{48};
  const Meeting meeting = meetingOf(year, pascha, cleanMonday, calendar);
  return MovableDates{
      .pascha = pascha,
      .cleanMonday = cleanMonday,
      .meeting = meeting.feast,
      .meetingLeavetaking = meeting.leavetaking,
      .lazarusSaturday = pascha - days{8},
      .palmSunday = pascha - days{7},
      .ascension = pascha + days{39},
      .pentecost = pascha + days{49},
  };
}

}  // namespace corvane
