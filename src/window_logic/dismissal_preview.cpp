#include "window_logic/dismissal_preview.h"

#include "calendar/appointed_eucharist.h"
#include "composer/compose.h"
#include "state/english_date.h"

namespace corvane {

DismissalPreview previewDismissal(const ServiceRequest& request, const TempleSettings& settings,
                                  const LongDateFormat& longDate) {
  const Dismissal dismissal = compose(request, settings);
  DismissalPreview preview{
      .plainText = textLayout(dismissal, longDate, "\n"),
      .paragraphs = documentParagraphs(dismissal, longDate),
      .churchDate = englishDayMonthYear(dismissal.churchDate) +
                    (dismissal.calendar == TempleCalendar::oldCalendar ? " (Julian calendar)"
                                                                       : " (new calendar)"),
      .appointedEucharist = appointedEucharistLine(dismissal.pickedDate, dismissal.calendar),
      .reasons = {},
      .warning = {}};
  if (dismissal.warning) preview.warning = dismissal.warning->sentence;
  for (const ExplainedSlot& slot : explainedSlots(dismissal)) {
    preview.reasons.push_back(std::string{slot.label} + ": " + std::string{slot.rule});
  }
  return preview;
}

}  // namespace corvane
