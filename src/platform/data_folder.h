#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace corvane {

// What the choice of the data folder reads from the environment.
struct FolderEnvironment {
  std::optional<std::string> xdgDataHome = {};  // $XDG_DATA_HOME (Linux)
  std::optional<std::string> home = {};         // $HOME (Linux)
  std::optional<std::string> appData = {};      // %APPDATA% (Windows)
  bool windows = false;
};

FolderEnvironment currentFolderEnvironment();

// The folder of "inpat.txt", "dismissal.txt" and the documents: the program's
// own folder when the program may write there, otherwise the per-user data
// folder ($XDG_DATA_HOME/corvane, ~/.local/share/corvane, %APPDATA%\Corvane).
std::filesystem::path chooseDataFolder(
    const std::filesystem::path& programFolder,
    const std::function<bool(const std::filesystem::path&)>& mayWriteIn,
    const FolderEnvironment& environment);

// The folder that holds the running program.
std::filesystem::path programFolder();

// Whether a file can be created in the folder: tried, not guessed from modes.
bool mayWriteIn(const std::filesystem::path& folder);

// The data folder of this run, decided once and created when needed. Empty
// when no folder can be had (the reason goes to `problem`).
std::filesystem::path dataFolder(std::string* problem = nullptr);

}  // namespace corvane
