#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/result.h"

namespace corvane {

// "inpat.txt": the typed patron phrase and CR LF, kept for the next start.
// Windows-1252 when every character fits, otherwise UTF-8 behind a byte-order
// mark; a typed line break (LF inside the program) is CR LF in the file.
// Every operation returns a message naming the error and the path on failure.
class PatronFile {
 public:
  explicit PatronFile(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }
  bool exists() const;
  // The phrase, less the final CR LF; nothing when the file is absent.
  [[nodiscard]] Result<std::optional<std::string>> read() const;
  // Never writes an empty file: an empty phrase writes nothing.
  [[nodiscard]] Done write(const std::string& phrase) const;
  [[nodiscard]] Done remove() const;

 private:
  std::filesystem::path path_;
};

}  // namespace corvane
