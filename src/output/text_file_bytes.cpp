#include "output/text_file_bytes.h"

#include "text/windows_1252.h"

namespace corvane {

std::string textFileBytes(const Dismissal& dismissal, const LongDateFormat& longDate) {
  return textFileBytes(std::span{&dismissal, 1}, longDate);
}

std::string textFileBytes(std::span<const Dismissal> dismissals, const LongDateFormat& longDate) {
  std::string text;
  for (const Dismissal& dismissal : dismissals) {
    if (!text.empty()) text += "\r\n\r\n";
    text += textLayout(dismissal, longDate, "\r\n");
  }
  return encodeForTextFile(text);
}

}  // namespace corvane
