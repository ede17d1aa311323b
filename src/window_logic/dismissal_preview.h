#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/document_paragraphs.h"
#include "output/text_layout.h"
#include "settings/temple_settings.h"
#include "state/service.h"

namespace corvane {

// What the two outputs will contain, for showing before either is written.
// Composed like the outputs, so the three never disagree.
struct DismissalPreview {
  std::string plainText;                      // the text file's layout, lines joined by LF
  std::vector<DocumentParagraph> paragraphs;  // the document's, with its bold clauses
  // What "Why?" shows, a line each: the day composed for, and why when it is
  // not the day picked ("Liturgical day: Monday, March 22, 2027 (an evening
  // service belongs to the next day)"); the church date ("Church date:
  // 6 December 2026 (Julian calendar)"); the Eucharist appointed on the day
  // served, with its rule; then why each clause of the day is there ("Feast:
  // Nativity of Our Lord", "Temple patron: St. Nicholas"), or that no rule
  // wrote one; and the parish's own commemorations that gave way ("Gave way
  // to Palm Sunday: local commemoration (commemorations.txt:2)").
  std::vector<std::string> why;
  // The sentence to show above the preview when the day appoints another
  // service; nothing when it is the one appointed. Never in the outputs.
  std::optional<std::string> warning;
};

// A clause's label and the name of its rule, the label said once when the
// rule's name begins with it: "Temple patron" and "temple patron: St.
// Nicholas" read "Temple patron: St. Nicholas".
std::string reasonLine(std::string_view label, std::string_view rule);

// The lines of "Why?" for a dismissal composed with its explanation.
std::vector<std::string> whyLines(const Dismissal& dismissal);

[[nodiscard]] DismissalPreview previewDismissal(const ServiceRequest& request,
                                                const TempleSettings& settings,
                                                const LongDateFormat& longDate);

}  // namespace corvane
