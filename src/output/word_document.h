#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "output/paper.h"
#include "output/text_layout.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

// One paragraph of the document, with the formatting it adds to the
// document's defaults (Book Antiqua, 12 pt, justified).
struct DocumentParagraph {
  std::string text = {};         // a line break inside the paragraph is LF
  bool pageBreakBefore = false;  // the first paragraph of a booklet's later dismissals
  bool centred = false;
  std::string_view font = {};  // empty: the document's
  int halfPoints = 0;          // 0: the document's 12 pt
  bool bold = false;           // the whole paragraph
  bool smallCaps = false;
  std::optional<bool> italic = {};
  std::optional<bool> underline = {};  // single, or explicitly none
  std::vector<bool> boldAt = {};       // per byte of `text`: a clause made bold
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

// The .docx package of one dismissal, or of a booklet of several; the same
// request gives the same bytes. A booklet of one is the single document.
std::string wordDocumentBytes(std::span<const Dismissal> dismissals, const LongDateFormat& longDate,
                              Paper paper = Paper::letter);
std::string wordDocumentBytes(const Dismissal& dismissal, const LongDateFormat& longDate,
                              Paper paper = Paper::letter);

// "dismissal-2022-10-08-great-vespers.docx" in the folder, "-evening" for an
// Evening Divine Liturgy, "-2", "-3" … when the name is taken: a document is
// never written over an earlier one.
std::filesystem::path freeDocumentPath(const std::filesystem::path& folder, Date picked,
                                       Service service, bool evening);

// "booklet-2026-12-12-to-2026-12-20.docx" in the folder, by the first and
// the last picked dates; "-2", "-3" … when the name is taken.
std::filesystem::path freeBookletPath(const std::filesystem::path& folder, Date first, Date last);

// Writes the document atomically; a message naming the error and the path on failure.
[[nodiscard]] Done writeWordDocument(const std::filesystem::path& path,
                                     std::span<const Dismissal> dismissals,
                                     const LongDateFormat& longDate, Paper paper = Paper::letter);
[[nodiscard]] inline Done writeWordDocument(const std::filesystem::path& path,
                                            const Dismissal& dismissal,
                                            const LongDateFormat& longDate,
                                            Paper paper = Paper::letter) {
  return writeWordDocument(path, std::span{&dismissal, 1}, longDate, paper);
}

}  // namespace corvane
