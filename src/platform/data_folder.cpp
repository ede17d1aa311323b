#include "platform/data_folder.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> environmentValue(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string{value};
}

bool isRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

}  // namespace

FolderEnvironment currentFolderEnvironment() {
  FolderEnvironment environment;
  environment.xdgDataHome = environmentValue("XDG_DATA_HOME");
  environment.home = environmentValue("HOME");
  environment.appData = environmentValue("APPDATA");
#ifdef _WIN32
  environment.windows = true;
#endif
  return environment;
}

fs::path chooseDataFolder(const fs::path& programFolder,
                          const std::function<bool(const fs::path&)>& fileExists,
                          const FolderEnvironment& environment) {
  if (!programFolder.empty() &&
      (fileExists(programFolder / "inpat.txt") || fileExists(programFolder / kPortableMarker))) {
    return programFolder;
  }
  if (environment.windows) {
    if (environment.appData) return fs::path{*environment.appData} / "Corvane";
  } else {
    // A relative XDG_DATA_HOME is invalid and ignored.
    if (environment.xdgDataHome && fs::path{*environment.xdgDataHome}.is_absolute()) {
      return fs::path{*environment.xdgDataHome} / "corvane";
    }
    if (environment.home) return fs::path{*environment.home} / ".local" / "share" / "corvane";
  }
  return fs::temp_directory_path() / "corvane";
}

fs::path programFolder() {
  std::error_code error;
#ifdef _WIN32
  wchar_t buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
  if (length == 0 || length >= std::size(buffer)) return {};
  return fs::path{std::wstring{buffer, length}}.parent_path();
#else
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return executable.parent_path();
#endif
}

fs::path chosenDataFolder() {
  return chooseDataFolder(programFolder(), isRegularFile, currentFolderEnvironment());
}

Result<fs::path> dataFolder() {
  static const fs::path chosen = chosenDataFolder();
  std::error_code error;
  fs::create_directories(chosen, error);
  if (error) return Failure{"Cannot create the folder " + chosen.string() + ": " + error.message()};
  return chosen;
}

}  // namespace corvane
