#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Starts a program (looked up on the PATH) with its arguments, each passed as
// one argument, and does not wait for it. When it ends, `onExit` receives its
// exit status (-1 when it was stopped by a signal), from another thread.
// Returns why it could not be started, or nothing.
std::optional<std::string> startProgram(const std::vector<std::string>& arguments,
                                        std::function<void(int status)> onExit = {});

// Runs `program` in place of this process, with `argv` (its name first, then
// its arguments, ended by a null pointer), the standard streams and the
// environment as they are. Returns only when it could not be run, with why.
std::string runInstead(const std::filesystem::path& program, const char* const* argv);

// The full name of a program found on the PATH, or nothing.
std::optional<std::string> findOnPath(const std::string& program);

}  // namespace corvane
