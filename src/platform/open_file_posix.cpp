#include <string>

#include "platform/open_file.h"
#include "platform/process.h"

namespace corvane {

namespace {

std::string notOpened(const std::filesystem::path& file, const std::string& why) {
  return "No program opened " + file.string() + " (" + why + ").";
}

// xdg-open is started with the path as one argument and watched from a thread
// of its own: it may run a terminal program in the foreground, so the window
// never waits for it, and a non-zero status is reported, not swallowed.
void runOpener(const std::filesystem::path& file, OpenFailure onFailure) {
  auto onExit = [file, onFailure](int status) {
    if (status == 0) return;
    onFailure(notOpened(file, status < 0 ? std::string{"xdg-open was stopped"}
                                         : "xdg-open ended with status " + std::to_string(status)));
  };
  if (const std::optional<std::string> problem =
          startProgram({"xdg-open", file.string()}, onExit)) {
    onFailure(notOpened(file, *problem));
  }
}

}  // namespace

void openWithDefaultApplication(const std::filesystem::path& file, OpenFailure onFailure) {
  runOpener(file, std::move(onFailure));
}

void openInTextEditor(const std::filesystem::path& file, OpenFailure onFailure) {
  runOpener(file, std::move(onFailure));
}

}  // namespace corvane
