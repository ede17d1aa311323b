#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "base/result.h"
#include "output/document_paragraphs.h"

namespace corvane {

// The .docx package of one dismissal, or of a booklet of several; the same
// request gives the same bytes. A booklet of one is the single document.
[[nodiscard]] Result<std::string> wordDocumentBytes(std::span<const Dismissal> dismissals,
                                                    const LongDateFormat& longDate,
                                                    Paper paper = Paper::letter);
[[nodiscard]] Result<std::string> wordDocumentBytes(const Dismissal& dismissal,
                                                    const LongDateFormat& longDate,
                                                    Paper paper = Paper::letter);

// The stem and the extension in the folder, "-2", "-3" … added when the name
// is taken: a file is never written over an earlier one.
std::filesystem::path freeFilePath(const std::filesystem::path& folder, const std::string& stem,
                                   std::string_view extension);

// "dismissal-2022-10-08-great-vespers.docx" in the folder, "-evening" for an
// Evening Divine Liturgy; a free name, as freeFilePath.
std::filesystem::path freeDocumentPath(const std::filesystem::path& folder,
                                       const ServiceRequest& request);

// "booklet-2026-12-12-to-2026-12-20.docx" in the folder, by the first and
// the last picked dates; a free name, as freeFilePath.
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
