#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "base/result.h"
#include "output/text_file_bytes.h"

namespace corvane {

// Replaces the file whole; a message naming the error and the path on failure.
[[nodiscard]] Done writeTextFile(const std::filesystem::path& path,
                                 std::span<const Dismissal> dismissals,
                                 const LongDateFormat& longDate);
[[nodiscard]] inline Done writeTextFile(const std::filesystem::path& path,
                                        const Dismissal& dismissal,
                                        const LongDateFormat& longDate) {
  return writeTextFile(path, std::span{&dismissal, 1}, longDate);
}

}  // namespace corvane
