#include "platform/system_info.h"

#include <algorithm>
#include <array>

namespace corvane {

bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
  Registry::Key key = 0;
  if (registry.openKey(KeyRoot, KeyName, kKeyRead, key) != 0) {
    KeyVal.clear();
    return false;
  }
  std::array<char, kValueBufferSize> buffer{};
  std::uint32_t size = kValueBufferSize;
  std::uint32_t type = 0;
  const long queried = registry.queryValue(key, SubKeyRef, buffer.data(), size, type);
  registry.closeKey(key);
  if (queried != 0) {
    KeyVal.clear();
    return false;
  }
  size = std::min(size, kValueBufferSize);
  if (size > 0 && buffer[size - 1] == '\0') --size;
  // Only strings are asked for; another type reads as empty text.
  KeyVal = type == kStringValue ? std::string{buffer.data(), size} : std::string{};
  return true;
}

std::optional<std::string> systemInfoFromRegistry(
    Registry& registry, const std::function<bool(const std::string&)>& fileExists) {
  std::string path;
  if (GetKeyValue(registry, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                  path)) {
    return path;
  }
  if (!GetKeyValue(registry, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                   path)) {
    return std::nullopt;
  }
  const std::string program = path + "\\MSINFO32.EXE";
  if (!fileExists(program)) return std::nullopt;
  return program;
}

std::optional<std::vector<std::string>> systemInfoToolOnPath(
    const std::function<std::optional<std::string>(const std::string&)>& findOnPath) {
  // The system-information tools of the common desktops, in this order.
  const std::vector<std::vector<std::string>> tools = {
      {"kinfocenter"}, {"gnome-control-center", "info-overview"},
      {"xfce4-about"}, {"mate-system-monitor"},
      {"hardinfo"},
  };
  for (const std::vector<std::string>& tool : tools) {
    if (findOnPath(tool.front())) return tool;
  }
  return std::nullopt;
}

}  // namespace corvane
