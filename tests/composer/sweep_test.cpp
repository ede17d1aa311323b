// Every picked date from 1583-01-01 to 9999-12-30, for each of the nine
// service variants: what must hold on every day of the calendar, and a
// warning exactly where the rules of the day, reckoned apart, call for one.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "composer/composed.h"
#include "state/picked_date.h"
#include "state/service.h"
#include "support/independent_calendar.h"
#include "support/independent_warnings.h"

namespace corvane {
namespace {

using namespace std::chrono;

using Variant = ServiceVariant;

constexpr std::string_view kEnd =
    "and of all the saints: have mercy on us, and save us, forasmuch as He is good and loveth "
    "mankind.";
constexpr std::string_view kKneelingStart = "May who did empty himself";

bool isEvening(const Variant& variant) {
  return variant.evening || variant.service == Service::greatVespers ||
         variant.service == Service::dailyVespers || variant.service == Service::presanctified;
}

// A double blank stands only after St. Nicholas's memory in the daily
// services of a Thursday, 6 December.
bool doubleBlanksAllowed(std::string_view sentence, bool nicholasOnThursday) {
  for (std::size_t at = sentence.find("  "); at != std::string_view::npos;
       at = sentence.find("  ", at + 2)) {
    const bool nicholas =
        nicholasOnThursday && at >= 9 && sentence.substr(at - 9, 11) == "this day,  ";
    if (!nicholas) return false;
  }
  return true;
}

bool endingBlanksAllowed(std::string_view ending) {
  for (std::size_t at = ending.find("  "); at != std::string_view::npos;
       at = ending.find("  ", at + 2)) {
    const bool priest = at >= 7 && ending.substr(at - 7, 9) == "PRIEST:  ";
    const bool hierarch = at >= 20 && ending.substr(at - 20, 22) == "HIERARCHICAL ENDING:  ";
    if (!priest && !hierarch) return false;
  }
  return true;
}

// Checks one variant over a span of years; returns the first failure, if any.
std::string sweep(const Variant& variant, int firstYear, int lastYear, bool bishop,
                  TempleCalendar calendar) {
  TempleSettings settings;
  settings.bishopPresent = bishop;
  settings.calendar = calendar;
  const Date first = std::max(makeDate(firstYear, 1, 1), kFirstSupportedDate);
  const Date last = std::min(makeDate(lastYear, 12, 31), kLastSupportedDate);
  Dismissal result;
  for (Date picked = first; picked <= last; picked += days{1}) {
    compose(variant.on(picked), settings, result);
    const std::string& sentence = result.dismissalText;
    const Date day = picked + days{isEvening(variant) ? 1 : 0};
    const year_month_day date{day};
    const Date pascha = testing::julianEasterAsCivil(static_cast<int>(date.year()));
    const bool paschal = pascha <= day && day <= pascha + days{38};
    const bool daily =
        variant.service == Service::dailyVespers || variant.service == Service::dailyOrthros;
    const bool oldCalendar = calendar == TempleCalendar::oldCalendar;
    const testing::JulianMonthDay julian = testing::julianMonthDayOf(day);
    const bool december6 = oldCalendar ? julian.month == 12 && julian.day == 6
                                       : date.month() == December && date.day() == 6d;
    const bool nicholasOnThursday = daily && december6 && weekday{day} == Thursday;
    const bool kneeling = sentence.starts_with(kKneelingStart);

    std::string failure;
    if (!sentence.starts_with("May "))
      failure = "does not begin with May";
    else if (!kneeling && !sentence.ends_with(kEnd))
      failure = "does not end with all the saints";
    else if (!doubleBlanksAllowed(sentence, nicholasOnThursday))
      failure = "a double blank";
    else if (!endingBlanksAllowed(result.endingText))
      failure = "a double blank in the ending";
    else if (result.serviceHeading.empty())
      failure = "no heading";
    else if (result.endingText.starts_with("PASCHAL ENDING") != paschal)
      failure = "Paschal ending";
    else if (result.warning.has_value() !=
             testing::expectsWarning(variant.service, variant.evening, picked, oldCalendar))
      failure = result.warning ? "a warning the rules do not call for" : "no warning";
    else if (result.warning && result.warning->sentence.find(std::to_string(static_cast<int>(
                                   year_month_day{picked}.year()))) == std::string::npos)
      failure = "a warning that does not name the day";
    if (!failure.empty()) {
      return failure + " on " + isoDate(picked) + ", service " +
             std::string{serviceName(variant.service)} + (variant.evening ? " (evening)" : "") +
             (oldCalendar ? ", old calendar" : "") + ": " +
             (result.warning ? result.warning->sentence : sentence);
    }
  }
  return {};
}

TEST(Sweep, EveryDateOfEveryServiceHoldsItsShape) {
  // The nine variants in both calendars over the years, on both cores; the
  // bishop alternates so that both closing lines are swept.
  constexpr std::size_t kVariants = std::size(kNineServiceVariants);
  std::vector<std::string> failures(2 * kVariants);
  std::atomic<std::size_t> next{0};
  const auto worker = [&] {
    for (std::size_t i = next++; i < failures.size(); i = next++) {
      const TempleCalendar calendar =
          i < kVariants ? TempleCalendar::newCalendar : TempleCalendar::oldCalendar;
      failures[i] = sweep(kNineServiceVariants[i % kVariants], 1583, 9999, i % 2 == 1, calendar);
    }
  };
  std::thread second{worker};
  worker();
  second.join();
  for (const std::string& failure : failures) EXPECT_EQ(failure, "");
}

}  // namespace
}  // namespace corvane
