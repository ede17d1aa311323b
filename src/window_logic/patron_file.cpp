#include "window_logic/patron_file.h"

#include <system_error>

#include "output/text_layout.h"
#include "output/windows_1252.h"
#include "platform/atomic_file.h"
#include "settings/patron.h"

namespace corvane {

bool PatronFile::exists() const {
  std::error_code error;
  return std::filesystem::exists(path_, error);
}

Result<std::optional<std::string>> PatronFile::read() const {
  if (!exists()) return std::nullopt;
  const Result<std::string> bytes = readWholeFile(path_);
  if (!bytes) return Failure{bytes.error()};
  std::string phrase = decodeTextFile(*bytes);
  if (phrase.ends_with("\r\n")) phrase.resize(phrase.size() - 2);
  return normalizeLineBreaks(phrase);
}

Done PatronFile::write(const std::string& phrase) const {
  if (phrase.empty()) return {};
  return writeFileAtomically(path_, encodeForTextFile(withLineBreaks(phrase, "\r\n") + "\r\n"));
}

Done PatronFile::remove() const {
  std::error_code error;
  std::filesystem::remove(path_, error);
  if (error) return Failure{"Cannot delete " + path_.string() + ": " + error.message()};
  return {};
}

}  // namespace corvane
