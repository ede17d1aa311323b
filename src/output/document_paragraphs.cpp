#include "output/document_paragraphs.h"

#include <iterator>

#include "output/xml_text.h"
#include "state/picked_date.h"

namespace corvane {

namespace {

constexpr std::string_view kHeadingFont = "Palatino Linotype";
constexpr int kHeadingSize = 20;   // 10 pt
constexpr int kSentenceSize = 28;  // 14 pt

std::vector<std::string> endingLines(std::string_view ending) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = ending.find("\r\n", start);
    lines.emplace_back(ending.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = end + 2;
  }
  return lines;
}

// The paragraph's text as one run, not bold.
std::vector<TextRun> plain(std::string_view text) {
  if (text.empty()) return {};
  return {TextRun{withoutForbiddenXmlCharacters(text), false}};
}

// Makes bold the first occurrence of each clause, searched from the start of
// the document (paragraphs joined by a paragraph mark), in the text as
// written, and splits each paragraph into runs of equal boldness.
void markBoldClauses(std::vector<DocumentParagraph>& paragraphs,
                     const std::vector<std::string_view>& clauses) {
  std::string whole;
  for (const DocumentParagraph& paragraph : paragraphs) {
    whole += paragraph.text();
    whole += '\r';
  }
  std::vector<bool> bold(whole.size(), false);
  for (std::string_view clause : clauses) {
    const std::string written = withoutForbiddenXmlCharacters(clause);
    if (written.empty()) continue;
    const std::size_t at = whole.find(written);
    if (at == std::string::npos) continue;
    for (std::size_t i = at; i < at + written.size(); ++i) bold[i] = true;
  }
  std::size_t offset = 0;
  for (DocumentParagraph& paragraph : paragraphs) {
    const std::string text = paragraph.text();
    paragraph.runs.clear();
    for (std::size_t start = 0; start < text.size();) {
      const bool isBold = bold[offset + start];
      std::size_t end = start;
      while (end < text.size() && bold[offset + end] == isBold) ++end;
      paragraph.runs.push_back({text.substr(start, end - start), isBold});
      start = end;
    }
    offset += text.size() + 1;
  }
}

}  // namespace

std::string DocumentParagraph::text() const {
  std::string joined;
  for (const TextRun& run : runs) joined += run.text;
  return joined;
}

std::vector<DocumentParagraph> documentParagraphs(const Dismissal& dismissal,
                                                  const LongDateFormat& longDate) {
  std::vector<DocumentParagraph> paragraphs;
  paragraphs.push_back({.runs = plain(dateLine(dismissal, longDate)),
                        .centred = true,
                        .font = kHeadingFont,
                        .halfPoints = kHeadingSize,
                        .bold = true,
                        .smallCaps = true});
  paragraphs.push_back({.runs = plain(dismissal.serviceHeading),
                        .centred = true,
                        .font = kHeadingFont,
                        .halfPoints = kHeadingSize,
                        .bold = true,
                        .smallCaps = true,
                        .underline = true});
  paragraphs.push_back({});
  paragraphs.push_back({.runs = plain(dismissal.dismissalText), .halfPoints = kSentenceSize});
  paragraphs.push_back({});

  const std::vector<std::string> lines = endingLines(dismissal.endingText);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    paragraphs.push_back({.runs = plain(lines[i])});
  }
  DocumentParagraph& ending = paragraphs[5];
  if (dismissal.paschalEnding) {
    ending.italic = true;
    ending.underline = true;
    if (paragraphs.size() > 9) paragraphs[9].italic = true;  // "(thrice)"
  } else {
    ending.italic = false;
    ending.underline = false;
    ending.halfPoints = kSentenceSize;
  }
  markBoldClauses(paragraphs, boldClauses(dismissal));
  return paragraphs;
}

std::vector<DocumentParagraph> bookletParagraphs(std::span<const Dismissal> dismissals,
                                                 const LongDateFormat& longDate) {
  std::vector<DocumentParagraph> paragraphs;
  paragraphs.reserve(dismissals.size() * 6);
  for (const Dismissal& dismissal : dismissals) {
    std::vector<DocumentParagraph> entry = documentParagraphs(dismissal, longDate);
    if (!paragraphs.empty()) entry.front().pageBreakBefore = true;
    std::move(entry.begin(), entry.end(), std::back_inserter(paragraphs));
  }
  return paragraphs;
}

std::vector<PackagePart> wordDocumentParts(std::span<const Dismissal> dismissals,
                                           const LongDateFormat& longDate, Paper paper) {
  return docxParts(bookletParagraphs(dismissals, longDate), paper);
}

std::string documentStem(const ServiceRequest& request) {
  std::string stem =
      "dismissal-" + isoDate(request.served) + "-" + std::string{serviceName(request.service)};
  if (request.evening) stem += "-evening";
  return stem;
}

std::string bookletStem(Date first, Date last) {
  return "booklet-" + isoDate(first) + "-to-" + isoDate(last);
}

}  // namespace corvane
