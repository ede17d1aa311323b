#include "interchange/explanation.h"

#include "interchange/json_text.h"
#include "state/english_date.h"
#include "state/picked_date.h"

namespace corvane {

namespace {

void appendIsoDate(std::string& out, const std::optional<Date>& date) {
  if (!date) {
    out += "null";
    return;
  }
  out += '"';
  out += isoDate(*date);
  out += '"';
}

// ,"name":"YYYY-MM-DD"
void appendDateField(std::string& out, std::string_view name, const std::optional<Date>& date) {
  out += ",\"";
  out += name;
  out += "\":";
  appendIsoDate(out, date);
}

}  // namespace

std::string churchDateText(const Explanation& explanation) {
  return englishDayMonthYear(explanation.churchDate) +
         (explanation.calendar == TempleCalendar::oldCalendar ? " (Julian calendar)"
                                                              : " (new calendar)");
}

std::vector<std::string> gaveWayLines(const Explanation& explanation) {
  std::vector<std::string> lines;
  for (const LocalCommemorationOfTheDay& commemoration : explanation.localCommemorations) {
    if (commemoration.gaveWayTo.empty()) continue;
    lines.push_back("Gave way to " + std::string{commemoration.gaveWayTo} + ": " +
                    commemoration.rule);
  }
  return lines;
}

std::string explanationText(const Dismissal& dismissal) {
  const Explanation& explanation = dismissal.explanation.value();
  const MovableDates& dates = explanation.movableDates;
  std::string text = "Liturgical day: " + englishLongDate(explanation.liturgicalDay) + "\n";
  text += "Church date: " + churchDateText(explanation) + "\n";
  text += "Pascha: " + isoDate(dates.pascha) + "; Clean Monday " + isoDate(dates.cleanMonday) +
          ", Leavetaking of the Meeting " +
          (dates.meetingLeavetaking ? isoDate(*dates.meetingLeavetaking) : std::string{"none"}) +
          ", Lazarus Saturday " + isoDate(dates.lazarusSaturday) + ", Palm Sunday " +
          isoDate(dates.palmSunday) + ", Ascension " + isoDate(dates.ascension) + ", Pentecost " +
          isoDate(dates.pentecost) + "\n";
  text += appointedEucharistLine(dismissal.request.served, explanation.appointedEucharist) + "\n";
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<Slot>(i);
    if (!explanation.standsInTheDismissal(slot)) continue;
    text += std::string{slotName(slot).label} + ": \"" + dismissal.slotText(slot) + "\" (" +
            std::string{explanation.rule(slot)} + ")\n";
  }
  for (const std::string& line : gaveWayLines(explanation)) text += line + "\n";
  return text;
}

void appendExplanationFields(std::string& out, const Dismissal& dismissal) {
  const Explanation& explanation = dismissal.explanation.value();
  const MovableDates& dates = explanation.movableDates;
  out += "\"liturgicalDay\":";
  appendIsoDate(out, explanation.liturgicalDay);
  out += ",\"calendar\":";
  appendJsonString(out, calendarName(explanation.calendar));
  out += ",\"churchDate\":\"";
  out += isoDate(explanation.churchDate);
  out += '"';
  appendDateField(out, "pascha", dates.pascha);
  out += ",\"derived\":{\"cleanMonday\":";
  appendIsoDate(out, dates.cleanMonday);
  appendDateField(out, "meetingLeavetaking", dates.meetingLeavetaking);
  appendDateField(out, "lazarusSaturday", dates.lazarusSaturday);
  appendDateField(out, "palmSunday", dates.palmSunday);
  appendDateField(out, "ascension", dates.ascension);
  appendDateField(out, "pentecost", dates.pentecost);
  out += "},\"slots\":{";
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<Slot>(i);
    if (i > 0) out += ',';
    appendJsonString(out, slotName(slot).name);
    out += ":{\"text\":";
    appendJsonString(out, dismissal.slotText(slot));
    out += ",\"rule\":";
    if (explanation.rule(slot).empty()) {
      out += "null";
    } else {
      appendJsonString(out, explanation.rule(slot));
    }
    out += '}';
  }
  const std::optional<Service> eucharist =
      eucharistService(explanation.appointedEucharist.eucharist);
  out += "},\"appointedEucharist\":{\"service\":";
  if (eucharist) {
    appendJsonString(out, serviceName(*eucharist));
  } else {
    out += "null";
  }
  out += ",\"rule\":";
  appendJsonString(out, explanation.appointedEucharist.rule);
  out += '}';
  if (explanation.localCommemorations.empty()) return;
  out += ",\"localCommemorations\":[";
  for (const LocalCommemorationOfTheDay& commemoration : explanation.localCommemorations) {
    if (out.back() != '[') out += ',';
    out += "{\"rule\":";
    appendJsonString(out, commemoration.rule);
    out += ",\"gaveWayTo\":";
    if (commemoration.gaveWayTo.empty()) {
      out += "null";
    } else {
      appendJsonString(out, commemoration.gaveWayTo);
    }
    out += '}';
  }
  out += ']';
}

}  // namespace corvane
