#pragma once

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

// The full name of a program found on the PATH, or nothing.
std::optional<std::string> findOnPath(const std::string& program);

}  // namespace corvane
