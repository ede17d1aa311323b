#include "output/text_file.h"

#include "output/windows_1252.h"
#include "platform/atomic_file.h"

namespace corvane {

std::string textFileBytes(const Dismissal& dismissal, const LongDateFormat& longDate) {
  return encodeForTextFile(textLayout(dismissal, longDate, "\r\n"));
}

std::optional<std::string> writeTextFile(const std::filesystem::path& path,
                                         const Dismissal& dismissal,
                                         const LongDateFormat& longDate) {
  return writeFileAtomically(path, textFileBytes(dismissal, longDate));
}

}  // namespace corvane
