#include "app/dismissal_preview.h"

#include "composer/create_dismissal.h"
#include "composer/explain.h"

namespace corvane {

DismissalPreview previewDismissal(DismissalState& state, TempleSettings& settings,
                                  const LongDateFormat& longDate) {
  CreateDismissal(state, settings);
  const ComposedDismissal composed = composedFrom(state, settings, longDate);
  DismissalPreview preview{.plainText = textLayout(composed, "\n"),
                           .paragraphs = documentParagraphs(composed),
                           .reasons = {}};
  const bool daily = state.dailyVespers || state.dailyOrthros;
  for (const SlotExplanation& slot : explain(state).slots) {
    if (slot.text.empty()) continue;
    // The weekday's intercession stands in the sentence only at the daily services.
    if (slot.slot == "weekdayClause" && !daily) continue;
    if (slot.slot == "wholeText" && !state.useWholeText) continue;
    preview.reasons.push_back(std::string{slot.slot} + ": " + std::string{slot.rule});
  }
  return preview;
}

}  // namespace corvane
