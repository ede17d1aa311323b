#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "settings/temple_calendar.h"
#include "state/church_date.h"
#include "state/date.h"
#include "state/movable_dates.h"
#include "state/service.h"

namespace corvane {

// The slots that the calendar rules fill, in the order in which a trace lists
// them. Every write to one of them names the rule that wrote it.
enum class Slot : std::uint8_t {
  dayTitle,
  feastClause,
  risenClause,
  theotokosClause,
  crossClause,
  forerunnerClause,
  weekdayClause,
  patronClause,
  liturgyAuthorClause,
  saintsClause,
  ancestorsClause,
  wholeText,
};
inline constexpr std::size_t kSlotCount = 12;

// Each slot's name in a trace and in JSON, and as a reader names it; indexed by Slot.
struct SlotName {
  std::string_view name;
  std::string_view label;
};
inline constexpr std::array<SlotName, kSlotCount> kSlots = {{
    {"dayTitle", "Day's name"},
    {"feastClause", "Feast"},
    {"risenClause", "Resurrection"},
    {"theotokosClause", "Theotokos"},
    {"crossClause", "Cross"},
    {"forerunnerClause", "Forerunner"},
    {"weekdayClause", "Weekday intercession"},
    {"patronClause", "Temple patron"},
    {"liturgyAuthorClause", "Author of the Liturgy"},
    {"saintsClause", "Saints of the day"},
    {"ancestorsClause", "Ancestors"},
    {"wholeText", "Whole dismissal"},
}};
constexpr const SlotName& slotName(Slot slot) {
  return kSlots[static_cast<std::size_t>(slot)];
}

// The name a liturgist would give the rule ("Nativity of Our Lord", "saints of
// 26 October"). Names are static texts, so recording one costs a pointer copy.
using RuleName = std::string_view;

// Hierarchs whom the saints of the day name, so that neither the temple's
// patron clause nor the Liturgy's author names them a second time.
namespace hierarch {
inline constexpr unsigned kBasil = 1U << 0U;
inline constexpr unsigned kChrysostom = 1U << 1U;
inline constexpr unsigned kNicholas = 1U << 2U;
}  // namespace hierarch

// The working record of one composition: the request, the liturgical day
// with its movable dates, and the slots from which the sentence is assembled.
// The calendar rules read and write it; each composition begins it afresh.
struct DismissalState {
  explicit DismissalState(const ServiceRequest& request) { begin(request); }

  // Starts the record of a new composition; the slots keep their storage.
  void begin(const ServiceRequest& request);

  // The service, one value; the rules ask of it in their own words.
  Service service = Service::greatVespers;
  bool eveningLiturgy = false;  // an Evening Divine Liturgy
  bool greatVespers() const { return service == Service::greatVespers; }
  bool dailyVespers() const { return service == Service::dailyVespers; }
  bool orthros() const { return service == Service::orthros; }
  bool dailyOrthros() const { return service == Service::dailyOrthros; }
  bool liturgyChrysostom() const { return service == Service::chrysostom; }
  bool liturgyBasil() const { return service == Service::basil; }
  bool presanctified() const { return service == Service::presanctified; }
  // The daily services name the weekday's intercession instead of the fixed invocations.
  bool isDailyService() const { return dailyVespers() || dailyOrthros(); }

  Date pickedDate{};      // the civil date on which the service is served
  Date liturgicalDay{};   // the picked date, or the next day for an evening service
  bool isSunday = false;  // the date as picked, before the evening shift

  bool useWholeText = false;    // wholeText replaces the assembled sentence
  bool suppressSaints = false;  // the day's feast displaces the saints and the Forerunner clause
  RuleName saintsDisplacedBy;   // the rule that displaced them
  void displaceSaints(RuleName by) {
    suppressSaints = true;
    saintsDisplacedBy = by;
  }

  // The temple's calendar, and the liturgical day (after the evening shift)
  // as a date of it, which the rules read.
  TempleCalendar calendar = TempleCalendar::newCalendar;
  ChurchDate churchDate{};

  MovableDates movable{};  // of the liturgical day's year

  unsigned hierarchsOfTheDay = 0;  // hierarch:: bits, set by the saints of the day

  // A slot's text, each carrying its own blanks and punctuation, and the rule
  // whose text it holds (empty when no rule wrote it).
  std::string& text(Slot slot) { return texts_[static_cast<std::size_t>(slot)]; }
  const std::string& text(Slot slot) const { return texts_[static_cast<std::size_t>(slot)]; }
  RuleName rule(Slot slot) const { return rules_[static_cast<std::size_t>(slot)]; }

  // The day of a month and day of the church year in the temple's calendar.
  Date dayOf(int monthOfYear, int dayOfMonth) const {
    return corvane::dayOf(ChurchDate{churchDate.year, monthOfYear, dayOfMonth}, calendar);
  }

  // Replaces the slot's text and records the rule that wrote it.
  void write(Slot slot, std::string_view newText, RuleName rule) {
    text(slot).assign(newText);
    rules_[static_cast<std::size_t>(slot)] = rule;
  }
  // The same, with the text joined from pieces; a piece may be the slot itself.
  void write(Slot slot, std::initializer_list<std::string_view> pieces, RuleName rule);
  // Empties the slot: an emptied slot names no rule.
  void clear(Slot slot) {
    text(slot).clear();
    rules_[static_cast<std::size_t>(slot)] = {};
  }

 private:
  std::array<std::string, kSlotCount> texts_;
  std::array<RuleName, kSlotCount> rules_{};
  std::string joinBuffer_;
};

}  // namespace corvane
