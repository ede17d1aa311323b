#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"

namespace corvane {

// Writes the bytes to `path` by the one route its kind allows, so that no
// device, pipe, link or folder is ever replaced by a file:
// - a regular file, or a name where nothing is yet: the bytes go to a
//   temporary file in the same folder, are flushed to the disk and renamed
//   over the old file, so neither an interruption nor a power cut leaves a
//   half-written or empty file; on failure nothing is left behind and the old
//   file is untouched;
// - a symbolic link (or a chain of them): the file it points to is written by
//   that route in its own folder, and the link stays; a link that points to
//   no file yet creates it;
// - a character device, a named pipe or a socket: the bytes are written
//   straight into it, with no temporary file and no rename;
// - a folder, or anything else: refused, and nothing is written.
// A failure is a message naming the path and why ("Cannot write /dev/full:
// No space left on device").
[[nodiscard]] Done writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole file, or a message naming the error and the path.
[[nodiscard]] Result<std::string> readWholeFile(const std::filesystem::path& path);

}  // namespace corvane
