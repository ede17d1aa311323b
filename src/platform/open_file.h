#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace corvane {

// Told, possibly later and from another thread, that a file did not open and
// why: "No program opened /…/dismissal.docx (xdg-open ended with status 3)."
using OpenFailure = std::function<void(const std::string& message)>;

// Opens the file in the application the desktop has for it, without waiting
// for that application.
void openWithDefaultApplication(const std::filesystem::path& file, OpenFailure onFailure);

// Opens a text file in the plain-text editor (Notepad on Windows), without waiting.
void openInTextEditor(const std::filesystem::path& file, OpenFailure onFailure);

}  // namespace corvane
