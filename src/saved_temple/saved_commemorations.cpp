#include "saved_temple/saved_commemorations.h"

#include <system_error>

#include "platform/atomic_file.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

// A parish keeps tens of commemorations, a diocese a few hundred; a file of
// megabytes is no such list.
constexpr std::uintmax_t kLargestList = 4 * 1024 * 1024;

}  // namespace

fs::path commemorationsFileIn(const fs::path& dataFolder) {
  return dataFolder / kCommemorationsFileName;
}

Result<std::optional<CommemorationsFile>> readCommemorationsFile(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) return std::nullopt;
  const std::string cannotRead = "Cannot read the commemorations in " + file.string() + ": ";
  if (error) return Failure{cannotRead + error.message()};
  if (status.type() == fs::file_type::directory) return Failure{cannotRead + "it is a folder"};
  if (status.type() == fs::file_type::regular) {
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) return Failure{cannotRead + error.message()};
    if (size > kLargestList) return Failure{cannotRead + "it is too large to be a list"};
  }
  const Result<std::string> bytes = readWholeFile(file);
  if (!bytes) return Failure{bytes.error()};
  return readCommemorationsText(*bytes);
}

Done writeCommemorationsFile(const fs::path& file, const CommemorationsFile& lines) {
  return writeFileAtomically(file, commemorationsFileText(lines));
}

ReadCommemorations commemorationsIn(const CommemorationsFile& lines, const fs::path& file) {
  return {.list = commemorationsOf(lines, file.filename().string()),
          .problems = commemorationProblems(lines, file.string())};
}

}  // namespace corvane
