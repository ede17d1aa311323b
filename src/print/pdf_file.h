#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "output/document_paragraphs.h"
#include "output/paper.h"

namespace corvane {

// The pages of the document as a PDF: the text kept as text, the fonts
// embedded. Needs a running Qt application (print/gui_session.h).
[[nodiscard]] Result<std::string> pdfBytes(const std::vector<DocumentParagraph>& paragraphs,
                                           Paper paper);

// The PDF of one dismissal, or of a booklet of several, one a page. Works
// with or without a running Qt application.
[[nodiscard]] Result<std::string> pdfFileBytes(std::span<const Dismissal> dismissals,
                                               const LongDateFormat& longDate, Paper paper);

// The same PDF, written as platform/atomic_file.h writes every file; a
// message naming the error and the path on failure.
[[nodiscard]] Done writePdf(const std::filesystem::path& path,
                            std::span<const Dismissal> dismissals, const LongDateFormat& longDate,
                            Paper paper);

}  // namespace corvane
