#pragma once

#include <filesystem>

#include "window_logic/temple_choices.h"

namespace corvane {

// The temple's choices in a small INI file in the data folder, through
// QSettings, which writes it whole to a new file and renames it into place:
//   [temple]
//   calendar=old
//   patron=nicholas
class SettingsFile final : public TempleChoicesStore {
 public:
  explicit SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

  Result<std::optional<TempleChoices>> load() override;
  Done save(const TempleChoices& choices) override;

 private:
  std::filesystem::path path_;
};

}  // namespace corvane
