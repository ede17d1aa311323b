#include "window_logic/dismissal_preview.h"

#include "composer/create_dismissal.h"
#include "output/english_date.h"

namespace corvane {

DismissalPreview previewDismissal(DismissalState& state, const TempleSettings& settings,
                                  const LongDateFormat& longDate) {
  const Dismissal dismissal = CreateDismissal(state, settings);
  DismissalPreview preview{
      .plainText = textLayout(dismissal, longDate, "\n"),
      .paragraphs = documentParagraphs(dismissal, longDate),
      .churchDate = englishDayMonthYear(dismissal.churchDate) +
                    (dismissal.calendar == TempleCalendar::oldCalendar ? " (Julian calendar)"
                                                                       : " (new calendar)"),
      .reasons = {}};
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const SlotRecord& slot = dismissal.slotRecords[i];
    if (slot.text.empty()) continue;
    const auto which = static_cast<Slot>(i);
    // The weekday's intercession stands in the sentence only at the daily services.
    if (which == Slot::weekdayClause && !dismissal.dailyService) continue;
    if (which == Slot::wholeText && !dismissal.wholeText) continue;
    preview.reasons.push_back(std::string{kSlotNames[i]} + ": " + std::string{slot.rule});
  }
  return preview;
}

}  // namespace corvane
