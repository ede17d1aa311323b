#include "output_files/word_document.h"

#include <system_error>

#include "output_files/docx_package.h"
#include "platform/atomic_file.h"

namespace corvane {

std::filesystem::path freeFilePath(const std::filesystem::path& folder, const std::string& stem,
                                   std::string_view extension) {
  std::error_code error;
  std::filesystem::path path = folder / (stem + std::string{extension});
  for (int number = 2; std::filesystem::exists(path, error); ++number) {
    path = folder / (stem + "-" + std::to_string(number) + std::string{extension});
  }
  return path;
}

Result<std::string> wordDocumentBytes(std::span<const Dismissal> dismissals,
                                      const LongDateFormat& longDate, Paper paper) {
  return docxPackage(wordDocumentParts(dismissals, longDate, paper));
}

Result<std::string> wordDocumentBytes(const Dismissal& dismissal, const LongDateFormat& longDate,
                                      Paper paper) {
  return wordDocumentBytes(std::span{&dismissal, 1}, longDate, paper);
}

std::filesystem::path freeDocumentPath(const std::filesystem::path& folder,
                                       const ServiceRequest& request) {
  return freeFilePath(folder, documentStem(request), ".docx");
}

std::filesystem::path freeBookletPath(const std::filesystem::path& folder, Date first, Date last) {
  return freeFilePath(folder, bookletStem(first, last), ".docx");
}

Done writeWordDocument(const std::filesystem::path& path, std::span<const Dismissal> dismissals,
                       const LongDateFormat& longDate, Paper paper) {
  const Result<std::string> bytes = wordDocumentBytes(dismissals, longDate, paper);
  if (!bytes) return Failure{"Cannot write " + path.string() + ": " + bytes.error()};
  return writeFileAtomically(path, *bytes);
}

}  // namespace corvane
