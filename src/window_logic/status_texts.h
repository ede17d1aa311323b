#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace corvane::statusTexts {

// What the main window's status bar says, and the message of a file that no
// program opened.

// "Written: /home/…/corvane/dismissal.txt", the full path, so the file can be found.
std::string written(const std::filesystem::path& file);

// "Sent to the printer Office."
std::string sentToPrinter(const std::string& printer);

// "Sun, Dec 13, 2026 - Orthros is in the booklet already."
std::string alreadyInBooklet(const std::string& label);
// "Added to the booklet: Sun, Dec 13, 2026 - Orthros."
std::string addedToBooklet(const std::string& label);
// Said with the way back: "… Undo (Ctrl+Z) brings it back."
std::string removedFromBooklet(const std::string& label);
std::string bookletCleared(std::size_t count);
std::string bookletRestored(std::size_t count);

// The opener's message, where the file is kept, and what "Show in Folder" does.
std::string notOpened(const std::string& message, const std::filesystem::path& file);

// A folder the desktop could not show.
std::string folderNotShown(const std::string& message, const std::filesystem::path& folder);

}  // namespace corvane::statusTexts
