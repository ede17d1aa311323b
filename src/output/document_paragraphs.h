#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "output/docx_parts.h"
#include "output/page_layout.h"
#include "output/paper.h"
#include "output/text_layout.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

// A stretch of a paragraph's text, bold or not: the day's proper clauses are
// bold runs.
struct TextRun {
  std::string text;
  bool bold = false;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

// One paragraph of the document, with the formatting it adds to the
// document's defaults (Book Antiqua, 12 pt, justified).
struct DocumentParagraph {
  std::vector<TextRun> runs = {};  // none for an empty paragraph; a line break inside is LF
  bool pageBreakBefore = false;    // the first paragraph of a booklet's later dismissals
  bool centred = false;
  std::string_view font = {};  // empty: the document's
  int halfPoints = 0;          // 0: the document's 12 pt
  bool bold = false;           // the whole paragraph
  bool smallCaps = false;
  std::optional<bool> italic = {};
  std::optional<bool> underline = {};  // single, or explicitly none

  std::string text() const;  // the runs' texts, joined
};

// The paragraphs of the document: date and day's name, heading, empty, the
// sentence, empty, the ending (one paragraph a line), with the day's proper
// clauses bold where first found. Characters that XML forbids are dropped.
std::vector<DocumentParagraph> documentParagraphs(const Dismissal& dismissal,
                                                  const LongDateFormat& longDate);

// A booklet's paragraphs: each dismissal laid out as the single document lays
// it out, one after another, each after the first starting a new page.
std::vector<DocumentParagraph> bookletParagraphs(std::span<const Dismissal> dismissals,
                                                 const LongDateFormat& longDate);

// Every part of the .docx package of one dismissal, or of a booklet of
// several, in the order of the archive.
std::vector<PackagePart> wordDocumentParts(std::span<const Dismissal> dismissals,
                                           const LongDateFormat& longDate,
                                           Paper paper = Paper::letter);

// The document's name without its folder: "dismissal-2022-10-08-great-vespers",
// "-evening" added for an Evening Divine Liturgy; "booklet-2026-12-12-to-2026-12-20".
std::string documentStem(const ServiceRequest& request);
std::string bookletStem(Date first, Date last);

}  // namespace corvane
