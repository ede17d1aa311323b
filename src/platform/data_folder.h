#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/result.h"

namespace corvane {

// What the choice of the data folder reads from the environment.
struct FolderEnvironment {
  std::optional<std::string> xdgDataHome = {};  // $XDG_DATA_HOME (Linux)
  std::optional<std::string> home = {};         // $HOME (Linux)
  std::optional<std::string> appData = {};      // %APPDATA% (Windows)
  bool windows = false;
};

FolderEnvironment currentFolderEnvironment();

// A file beside the program that asks for its files to be kept there too.
inline constexpr const char* kPortableMarker = "portable";

// The folder of "inpat.txt", "dismissal.txt" and the documents: the per-user
// data folder ($XDG_DATA_HOME/corvane, ~/.local/share/corvane,
// %APPDATA%\Corvane), unless the program's own folder already holds
// "inpat.txt" (an earlier installation's, so nothing is lost) or a file named
// "portable". An installed program in ~/.local/bin or /usr/bin so never
// scatters its files among the programs.
std::filesystem::path chooseDataFolder(
    const std::filesystem::path& programFolder,
    const std::function<bool(const std::filesystem::path&)>& fileExists,
    const FolderEnvironment& environment);

// The folder that holds the running program.
std::filesystem::path programFolder();

// The data folder as this process's environment chooses it now, whether or
// not it exists yet: for reading what is there without making anything.
std::filesystem::path chosenDataFolder();

// The data folder of this run, decided once and created when needed, or why
// no folder can be had.
[[nodiscard]] Result<std::filesystem::path> dataFolder();

}  // namespace corvane
