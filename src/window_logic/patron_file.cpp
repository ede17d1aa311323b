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

std::optional<std::string> PatronFile::read(std::string& problem) const {
  if (!exists()) return std::nullopt;
  const std::optional<std::string> bytes = readWholeFile(path_, problem);
  if (!bytes) return std::nullopt;
  std::string phrase = decodeTextFile(*bytes);
  if (phrase.ends_with("\r\n")) phrase.resize(phrase.size() - 2);
  return normalizeLineBreaks(phrase);
}

std::optional<std::string> PatronFile::write(const std::string& phrase) const {
  if (phrase.empty()) return std::nullopt;
  return writeFileAtomically(path_, encodeForTextFile(withLineBreaks(phrase, "\r\n") + "\r\n"));
}

std::optional<std::string> PatronFile::remove() const {
  std::error_code error;
  std::filesystem::remove(path_, error);
  if (error) return "Cannot delete " + path_.string() + ": " + error.message();
  return std::nullopt;
}

}  // namespace corvane
