#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <thread>

#include "platform/process.h"

extern char** environ;

namespace corvane {

std::optional<std::string> startProgram(const std::vector<std::string>& arguments,
                                        std::function<void(int status)> onExit) {
  if (arguments.empty()) return "no program given";
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int error = posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ);
  if (error != 0) return arguments[0] + " could not be started: " + std::strerror(error);

  // The child is always reaped, so no zombie is left; the window never waits.
  std::thread{[child, onExit = std::move(onExit)] {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (onExit) onExit(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  }}.detach();
  return std::nullopt;
}

std::string runInstead(const std::filesystem::path& program, const char* const* argv) {
  ::execv(program.c_str(), const_cast<char* const*>(argv));
  return std::strerror(errno);
}

std::optional<std::string> findOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return std::nullopt;
  std::istringstream folders{path};
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (folder.empty()) continue;
    const std::filesystem::path candidate = std::filesystem::path{folder} / program;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return std::nullopt;
}

}  // namespace corvane
