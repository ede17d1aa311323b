#include "window_logic/dismissal_preview.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "calendar/appointed_eucharist.h"
#include "composer/compose.h"
#include "state/english_date.h"

namespace corvane {

DismissalPreview previewDismissal(const ServiceRequest& request, const TempleSettings& settings,
                                  const LongDateFormat& longDate) {
  const Dismissal dismissal = compose(request, settings);
  std::string liturgicalDay = englishLongDate(dismissal.liturgicalDay);
  if (dismissal.liturgicalDay != dismissal.pickedDate) {
    liturgicalDay += " (an evening service belongs to the next day)";
  }
  DismissalPreview preview{
      .plainText = textLayout(dismissal, longDate, "\n"),
      .paragraphs = documentParagraphs(dismissal, longDate),
      .liturgicalDay = std::move(liturgicalDay),
      .churchDate = englishDayMonthYear(dismissal.churchDate) +
                    (dismissal.calendar == TempleCalendar::oldCalendar ? " (Julian calendar)"
                                                                       : " (new calendar)"),
      .appointedEucharist = appointedEucharistLine(dismissal.pickedDate, dismissal.calendar),
      .reasons = {},
      .warning = {}};
  if (dismissal.warning) preview.warning = dismissal.warning->sentence;
  for (const ExplainedSlot& slot : explainedSlots(dismissal)) {
    preview.reasons.push_back(reasonLine(slot.label, slot.rule));
  }
  return preview;
}

std::string reasonLine(std::string_view label, std::string_view rule) {
  const auto sameLetters = [](std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) ==
             std::tolower(static_cast<unsigned char>(y));
    });
  };
  const std::size_t colon = rule.find(": ");
  if (colon != std::string_view::npos && sameLetters(rule.substr(0, colon), label)) {
    rule.remove_prefix(colon + 2);
  }
  return std::string{label} + ": " + std::string{rule};
}

}  // namespace corvane
