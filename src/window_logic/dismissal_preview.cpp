#include "window_logic/dismissal_preview.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "composer/compose.h"
#include "interchange/explanation.h"
#include "state/english_date.h"

namespace corvane {

DismissalPreview previewDismissal(const ServiceRequest& request, const TempleSettings& settings,
                                  const LongDateFormat& longDate) {
  const Dismissal dismissal = compose(request, settings, {.explanation = true});
  DismissalPreview preview{.plainText = textLayout(dismissal, longDate, "\n"),
                           .paragraphs = documentParagraphs(dismissal, longDate),
                           .why = whyLines(dismissal),
                           .warning = {}};
  if (dismissal.warning) preview.warning = dismissal.warning->sentence;
  return preview;
}

std::vector<std::string> whyLines(const Dismissal& dismissal) {
  const Explanation& explanation = dismissal.explanation.value();
  std::string liturgicalDay = "Liturgical day: " + englishLongDate(explanation.liturgicalDay);
  if (explanation.liturgicalDay != dismissal.request.served) {
    liturgicalDay += " (an evening service belongs to the next day)";
  }
  std::vector<std::string> lines = {
      std::move(liturgicalDay),
      "Church date: " + churchDateText(explanation),
      appointedEucharistLine(dismissal.request.served, explanation.appointedEucharist),
  };
  const std::size_t fixedLines = lines.size();
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<Slot>(i);
    if (!explanation.standsInTheDismissal(slot)) continue;
    lines.push_back(reasonLine(slotName(slot).label, explanation.rule(slot)));
  }
  if (lines.size() == fixedLines) lines.emplace_back("No rule wrote a clause of this day.");
  for (std::string& line : gaveWayLines(explanation)) lines.push_back(std::move(line));
  return lines;
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
