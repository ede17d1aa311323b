#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "base/result.h"
#include "composer/booklet.h"
#include "output/paper.h"
#include "output/text_layout.h"
#include "platform/open_file.h"
#include "settings/temple_settings.h"
#include "state/service.h"

namespace corvane {

// The two outputs of the main window, with what they need of the platform.
struct OutputServices {
  std::filesystem::path dataFolder;
  LongDateFormat longDate;
  Paper paper = Paper::letter;  // the system's default paper
  // Open a file without waiting; a failure may be reported later, from another thread.
  std::function<void(const std::filesystem::path&, OpenFailure)> openTextFile;
  std::function<void(const std::filesystem::path&, OpenFailure)> openDocument;
  // Shows a folder in the desktop's file manager, in the same way.
  std::function<void(const std::filesystem::path&, OpenFailure)> openFolder;
};

// Told, possibly later and from another thread, that a file written was not
// opened: the file, and the opener's message.
using NotOpened =
    std::function<void(const std::filesystem::path& file, const std::string& message)>;

// Composes, writes and opens. Each returns the file written, or a message
// naming the error and the path; a failed output loses nothing and the user
// may simply try again.

// "dismissal.txt", replaced whole, opened in the text editor.
[[nodiscard]] Result<std::filesystem::path> createTextFile(const ServiceRequest& request,
                                                           const TempleSettings& settings,
                                                           const OutputServices& services,
                                                           NotOpened onNotOpened);

// A new document that never replaces an earlier one, opened in the word processor.
[[nodiscard]] Result<std::filesystem::path> createDocument(const ServiceRequest& request,
                                                           const TempleSettings& settings,
                                                           const OutputServices& services,
                                                           NotOpened onNotOpened);

// The booklet: every entry composed for the temple as it stands, one a page,
// in a new document "booklet-FIRST-to-LAST.docx", opened in the word processor.
[[nodiscard]] Result<std::filesystem::path> createBooklet(
    const std::vector<ServiceRequest>& entries, const TempleSettings& settings,
    const OutputServices& services, NotOpened onNotOpened);

// Where "Export as PDF…" proposes to write the dismissal, or the booklet of
// several: "dismissal-2025-04-20-orthros.pdf" or "booklet-FIRST-to-LAST.pdf"
// in the folder, "-2", "-3" … when a PDF of that name is there already.
std::filesystem::path freePdfPath(const std::filesystem::path& folder,
                                  std::span<const Dismissal> dismissals, bool booklet);

}  // namespace corvane
