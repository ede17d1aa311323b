#include "interchange/explanation.h"

#include "calendar/appointed_eucharist.h"
#include "output/text_layout.h"
#include "state/english_date.h"
#include "state/picked_date.h"

namespace corvane {

std::string explanationText(const Dismissal& dismissal) {
  const MovableDates& dates = dismissal.movableDates;
  std::string text = "Liturgical day: " + englishLongDate(dismissal.liturgicalDay) + "\n";
  text += "Church date: " + englishDayMonthYear(dismissal.churchDate) +
          (dismissal.calendar == TempleCalendar::oldCalendar ? " (Julian calendar)\n"
                                                             : " (new calendar)\n");
  text += "Pascha: " + isoDate(dates.pascha) + "; Clean Monday " + isoDate(dates.cleanMonday) +
          ", Leavetaking of the Meeting " +
          (dates.meetingLeavetaking ? isoDate(*dates.meetingLeavetaking) : std::string{"none"}) +
          ", Lazarus Saturday " + isoDate(dates.lazarusSaturday) + ", Palm Sunday " +
          isoDate(dates.palmSunday) + ", Ascension " + isoDate(dates.ascension) + ", Pentecost " +
          isoDate(dates.pentecost) + "\n";
  text += appointedEucharistLine(dismissal.pickedDate, dismissal.calendar) + "\n";
  for (const ExplainedSlot& slot : explainedSlots(dismissal)) {
    text += std::string{slot.label} + ": \"" + std::string{slot.text} + "\" (" +
            std::string{slot.rule} + ")\n";
  }
  return text;
}

}  // namespace corvane
