#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"

namespace corvane {

// Writes the bytes to a temporary file in the same folder, flushes them to the
// disk and renames the file over the old one, so neither an interruption nor
// a power cut leaves a half-written or empty file. On failure nothing is left
// behind and the old file is untouched; the result is a message naming the
// error and the path.
[[nodiscard]] Done writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole file, or a message naming the error and the path.
[[nodiscard]] Result<std::string> readWholeFile(const std::filesystem::path& path);

}  // namespace corvane
