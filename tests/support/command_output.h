#pragma once

// Runs a shell command and gives what it wrote on standard output, for tests
// that read a file with another program (pdftotext, pdfinfo, pdffonts).

#include <cstdio>
#include <optional>
#include <string>

namespace corvane::testing {

// The command's standard output, or nothing when it could not run or failed.
inline std::optional<std::string> commandOutput(const std::string& command) {
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string out;
  char block[4096];
  for (std::size_t read; (read = std::fread(block, 1, sizeof block, pipe)) > 0;) {
    out.append(block, read);
  }
  if (::pclose(pipe) != 0) return std::nullopt;
  return out;
}

inline bool commandExists(const std::string& name) {
  return commandOutput("command -v " + name).has_value();
}

// The path quoted for the shell.
inline std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string{"'\\''"} : std::string(1, c);
  return quoted + "'";
}

}  // namespace corvane::testing
