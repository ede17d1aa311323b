#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/result.h"
#include "saved_temple/temple_ini.h"

namespace corvane {

// The temple as the window saves it for its next start, and as the command
// line reads it: the calendar and the patron option in "corvane.ini", a typed
// patron phrase in "inpat.txt". The bishop's presence is asked afresh each
// time and never saved. Every file is written whole to a new file and renamed
// into place. Every failure is a message naming the file.
class SavedTemple {
 public:
  SavedTemple(std::filesystem::path settingsFile, std::filesystem::path patronFile)
      : settingsFile_(std::move(settingsFile)), patronFile_(std::move(patronFile)) {}
  // The two files in the data folder.
  static SavedTemple inFolder(const std::filesystem::path& dataFolder);

  const std::filesystem::path& settingsFile() const { return settingsFile_; }
  const std::filesystem::path& patronFile() const { return patronFile_; }

  // The calendar and the patron option; nothing when none are saved yet. A
  // file that cannot be read or holds an unknown value gives "Cannot read the
  // temple's settings in FILE: why" and is left as it is.
  [[nodiscard]] Result<std::optional<TempleChoices>> readChoices() const;
  [[nodiscard]] Done writeChoices(const TempleChoices& choices) const;

  // "inpat.txt": the typed phrase on one line and CR LF, in Windows-1252 when
  // every character fits, otherwise in UTF-8 behind a byte-order mark. The
  // phrase is cleaned both ways (cleanTypedPhrase), so a file written by hand
  // or by an earlier version with line breaks inside is read as one line.
  bool hasPhrase() const;
  // The phrase on one line; nothing when the file is absent.
  [[nodiscard]] Result<std::optional<std::string>> readPhrase() const;
  // Never writes an empty file: a phrase empty once cleaned writes nothing.
  [[nodiscard]] Done writePhrase(const std::string& phrase) const;
  [[nodiscard]] Done removePhrase() const;

 private:
  std::filesystem::path settingsFile_;
  std::filesystem::path patronFile_;
};

// The names of the two files.
inline constexpr const char* kTempleSettingsFileName = "corvane.ini";
inline constexpr const char* kPatronFileName = "inpat.txt";

}  // namespace corvane
