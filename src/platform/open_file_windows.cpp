// Windows only: Notepad for the text file, the shell's association otherwise.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <string>

#include "platform/open_file.h"

namespace corvane {

namespace {

std::string notOpened(const std::filesystem::path& file, const std::string& why) {
  return "No program opened " + file.string() + " (" + why + ").";
}

std::string lastErrorText() {
  return "Windows error " + std::to_string(GetLastError());
}

}  // namespace

void openInTextEditor(const std::filesystem::path& file, OpenFailure onFailure) {
  // The path is quoted as one argument, so a folder with blanks still opens.
  std::wstring commandLine = L"notepad.exe \"" + file.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    onFailure(notOpened(file, "Notepad could not be started: " + lastErrorText()));
    return;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

void openWithDefaultApplication(const std::filesystem::path& file, OpenFailure onFailure) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", file.wstring().c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result <= 32) {
    onFailure(notOpened(file, "no application is set to open it (code " +
                                  std::to_string(static_cast<long long>(result)) + ")"));
  }
}

}  // namespace corvane
