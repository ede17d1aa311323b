#include "saved_temple/saved_temple.h"

#include <system_error>

#include "text/windows_1252.h"
#include "platform/atomic_file.h"
#include "settings/patron.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

// A settings file holds three short lines; anything much larger is not one.
constexpr std::uintmax_t kLargestSettingsFile = 64 * 1024;

bool isThere(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

}  // namespace

SavedTemple SavedTemple::inFolder(const fs::path& dataFolder) {
  return SavedTemple{dataFolder / kTempleSettingsFileName, dataFolder / kPatronFileName};
}

Result<std::optional<TempleChoices>> SavedTemple::readChoices() const {
  if (!isThere(settingsFile_)) return std::nullopt;
  const std::string cannotRead =
      "Cannot read the temple's settings in " + settingsFile_.string() + ": ";
  std::error_code error;
  if (!fs::is_regular_file(settingsFile_, error)) return Failure{cannotRead + "it is not a file"};
  const std::uintmax_t size = fs::file_size(settingsFile_, error);
  if (error) return Failure{cannotRead + error.message()};
  if (size > kLargestSettingsFile) return Failure{cannotRead + "it is not a settings file"};
  const Result<std::string> bytes = readWholeFile(settingsFile_);
  if (!bytes) return Failure{bytes.error()};
  Result<std::optional<TempleChoices>> choices = readTempleIni(*bytes);
  if (!choices) return Failure{cannotRead + choices.error()};
  return choices;
}

Done SavedTemple::writeChoices(const TempleChoices& choices) const {
  return writeFileAtomically(settingsFile_, templeIniText(choices));
}

bool SavedTemple::hasPhrase() const {
  return isThere(patronFile_);
}

Result<std::optional<std::string>> SavedTemple::readPhrase() const {
  if (!hasPhrase()) return std::nullopt;
  const Result<std::string> bytes = readWholeFile(patronFile_);
  if (!bytes) return Failure{bytes.error()};
  // A file of an earlier version may hold line breaks inside the phrase: it
  // is read back as one line.
  return cleanTypedPhrase(decodeTextFile(*bytes));
}

Done SavedTemple::writePhrase(const std::string& phrase) const {
  const std::string line = cleanTypedPhrase(phrase);
  if (line.empty()) return {};
  return writeFileAtomically(patronFile_, encodeForTextFile(line + "\r\n"));
}

Done SavedTemple::removePhrase() const {
  std::error_code error;
  fs::remove(patronFile_, error);
  if (error) return Failure{"Cannot delete " + patronFile_.string() + ": " + error.message()};
  return {};
}

}  // namespace corvane
