#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <string>
#include <thread>

#include "platform/open_file.h"

extern char** environ;

namespace corvane {

namespace {

std::string byHand(const std::filesystem::path& file, const std::string& why) {
  return "Could not open " + file.string() + " (" + why + "). Please open it by hand.";
}

// xdg-open is started with the path as one argument and watched from a thread
// of its own: it may run a terminal program in the foreground, so the window
// never waits for it, and a non-zero status is reported, not swallowed.
void runOpener(const char* opener, const std::filesystem::path& file, OpenFailure onFailure) {
  const std::string path = file.string();
  char* const argv[] = {const_cast<char*>(opener), const_cast<char*>(path.c_str()), nullptr};
  pid_t child = 0;
  const int spawnError = posix_spawnp(&child, opener, nullptr, nullptr, argv, environ);
  if (spawnError != 0) {
    onFailure(byHand(file, std::string{opener} + " could not be started: " +
                                std::strerror(spawnError)));
    return;
  }
  std::thread{[child, file, opener, onFailure = std::move(onFailure)] {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return;
    const std::string why = WIFEXITED(status)
                                ? std::string{opener} + " ended with status " +
                                      std::to_string(WEXITSTATUS(status))
                                : std::string{opener} + " was stopped";
    onFailure(byHand(file, why));
  }}.detach();
}

}  // namespace

void openWithDefaultApplication(const std::filesystem::path& file, OpenFailure onFailure) {
  runOpener("xdg-open", file, std::move(onFailure));
}

void openInTextEditor(const std::filesystem::path& file, OpenFailure onFailure) {
  runOpener("xdg-open", file, std::move(onFailure));
}

}  // namespace corvane
