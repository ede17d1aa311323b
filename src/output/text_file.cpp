#include "output/text_file.h"

#include "output/windows_1252.h"
#include "platform/atomic_file.h"

namespace corvane {

std::string textFileBytes(const ComposedDismissal& dismissal) {
  return encodeForTextFile(textLayout(dismissal, "\r\n"));
}

std::optional<std::string> writeTextFile(const std::filesystem::path& path,
                                         const ComposedDismissal& dismissal) {
  return writeFileAtomically(path, textFileBytes(dismissal));
}

}  // namespace corvane
