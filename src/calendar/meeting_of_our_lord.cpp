#include "calendar/meeting_of_our_lord.h"

#include "state/church_date.h"

namespace corvane {

using namespace std::chrono;

namespace {

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

}  // namespace

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

}  // namespace corvane
