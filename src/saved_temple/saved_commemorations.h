#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "settings/local_commemorations.h"

namespace corvane {

// "commemorations.txt" in the data folder.
std::filesystem::path commemorationsFileIn(const std::filesystem::path& dataFolder);

// The file's lines, bad lines among them; nothing when there is no file. A
// file that cannot be read at all (a folder, a file too large to be a list,
// one the user may not read) gives "Cannot read the commemorations in FILE:
// why", and is left as it is.
[[nodiscard]] Result<std::optional<CommemorationsFile>> readCommemorationsFile(
    const std::filesystem::path& file);

// Written whole to a new file and renamed into place (writeFileAtomically).
[[nodiscard]] Done writeCommemorationsFile(const std::filesystem::path& file,
                                           const CommemorationsFile& lines);

// What the command line and the windows take from a file: the temple's list,
// its rules naming the file by its name alone ("commemorations.txt:2"), and
// every line that cannot be read, named by the path as given
// ("/home/u/.local/share/corvane/commemorations.txt:3: '02-30' is not a day
// of the year").
struct ReadCommemorations {
  LocalCommemorations list;
  std::vector<std::string> problems;
};
ReadCommemorations commemorationsIn(const CommemorationsFile& lines,
                                    const std::filesystem::path& file);

}  // namespace corvane
