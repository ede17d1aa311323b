#include "platform/system_info.h"

#include <algorithm>
#include <array>
#include <utility>

namespace corvane {

Result<std::string> readRegistryString(Registry& registry, std::uint32_t root,
                                       const std::string& keyName, const std::string& valueName) {
  Registry::Key key = 0;
  if (const long opened = registry.openKey(root, keyName, kKeyRead, key); opened != 0) {
    return Failure{"Cannot open the registry key " + keyName + " (error " + std::to_string(opened) +
                   ")"};
  }
  std::array<char, kValueBufferSize> buffer{};
  std::uint32_t size = kValueBufferSize;
  std::uint32_t type = 0;
  const long queried = registry.queryValue(key, valueName, buffer.data(), size, type);
  registry.closeKey(key);
  if (queried != 0) {
    return Failure{"Cannot read the value " + valueName + " of " + keyName + " (error " +
                   std::to_string(queried) + ")"};
  }
  size = std::min(size, kValueBufferSize);
  if (size > 0 && buffer[size - 1] == '\0') --size;
  // Only strings are asked for; another type reads as empty text.
  return type == kStringValue ? std::string{buffer.data(), size} : std::string{};
}

std::optional<std::string> systemInfoFromRegistry(
    Registry& registry, const std::function<bool(const std::string&)>& fileExists) {
  if (Result<std::string> program = readRegistryString(
          registry, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH")) {
    return std::move(*program);
  }
  const Result<std::string> folder = readRegistryString(
      registry, kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
  if (!folder) return std::nullopt;
  const std::string program = *folder + "\\MSINFO32.EXE";
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
