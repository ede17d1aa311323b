#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "saved_temple/saved_temple.h"
#include "settings/temple_settings.h"

namespace corvane {

// Where a part of the temple of a run came from: the command line, the
// temple the window saved, or neither (no patron, the new calendar).
enum class TempleSource { defaults, commandLine, window };

// The parts of the temple that the command line named itself.
struct TempleNamed {
  bool calendar = false;  // --calendar
  bool patron = false;    // --patron or --patron-text
};

struct TempleOrigin {
  TempleSource calendar = TempleSource::defaults;
  TempleSource patron = TempleSource::defaults;
  // The file of the parish's own commemorations, as the command line named
  // it or the window saved it; empty when none was used.
  std::string commemorationsFile;
  TempleSource commemorations = TempleSource::defaults;
};

// The origin before any saved temple is read: what the command line named,
// and the defaults.
TempleOrigin namedOrigin(const TempleNamed& named);

// What the saved temple gave, and the files that could not be read, each
// said in the window's words ("Cannot read the temple's settings in …").
struct SavedTempleUse {
  TempleOrigin origin;
  std::vector<std::string> problems;
};

// Completes `temple` with what the command line did not name, read as the
// window reads it at its next start: the saved calendar, and the saved
// patron (a typed one with its phrase, cleaned as the window cleans it). A
// file that cannot be read leaves the defaults in place, is named among the
// problems, and is never written; the origin says what the file gave.
// Nothing is read that is not needed.
[[nodiscard]] SavedTempleUse completeWithSavedTemple(TempleSettings& temple,
                                                     const TempleNamed& named,
                                                     const SavedTemple& saved);

// The parish's own commemorations of a run: the file given to
// --commemorations, or else the one the window saved ("commemorations.txt"
// in the data folder), which --no-saved-temple leaves out. A line that cannot
// be read is named among the problems, and the others apply; a saved file
// that cannot be read at all is named there too, and none apply. Neither file
// is ever written. Only a named file that cannot be read fails. Each problem
// is a line of standard error after "corvane-cli: " ("warning:
// commemorations.txt:3: '02-30' is not a day of the year; the line is left
// out").
[[nodiscard]] Result<std::vector<std::string>> completeWithCommemorations(
    TempleSettings& temple, TempleOrigin& origin, const std::optional<std::string>& named,
    const std::optional<std::filesystem::path>& saved);

}  // namespace corvane
