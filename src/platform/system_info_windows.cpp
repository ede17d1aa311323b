// Windows only, and without any Qt header: the registry look-up of the
// system-information tool through advapi32, and starting it.
#include <windows.h>

#include <string>

#include "platform/system_info.h"

namespace corvane {

namespace {

class WindowsRegistry final : public Registry {
 public:
  long openKey(std::uint32_t root, const std::string& name, std::uint32_t access,
               Key& key) override {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)),
                                      name.c_str(), 0, access, &opened);
    key = reinterpret_cast<Key>(opened);
    return result;
  }

  long queryValue(Key key, const std::string& valueName, char* buffer, std::uint32_t& size,
                  std::uint32_t& type) override {
    DWORD dataSize = size;
    DWORD valueType = 0;
    const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.c_str(), nullptr,
                                         &valueType, reinterpret_cast<LPBYTE>(buffer), &dataSize);
    size = dataSize;
    type = valueType;
    return result;
  }

  void closeKey(Key key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

bool fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool startSystemInfoTool() {
  WindowsRegistry registry;
  const std::optional<std::string> program = systemInfoFromRegistry(registry, fileExists);
  if (!program) return false;
  std::string commandLine = "\"" + *program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace corvane
