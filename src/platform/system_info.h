#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"

namespace corvane {

inline constexpr const char* kSystemInfoUnavailable =
    "System Information Is Unavailable At This Time";

// The three registry calls the About box needs, so that the look-up can be
// tested with a fake registry. Results are Windows error codes: 0 is success.
class Registry {
 public:
  using Key = std::uintptr_t;
  virtual ~Registry() = default;
  virtual long openKey(std::uint32_t root, const std::string& name, std::uint32_t access,
                       Key& key) = 0;
  virtual long queryValue(Key key, const std::string& valueName, char* buffer, std::uint32_t& size,
                          std::uint32_t& type) = 0;
  virtual void closeKey(Key key) = 0;
};

inline constexpr std::uint32_t kLocalMachine = 0x80000002;  // HKEY_LOCAL_MACHINE
// Read access only: asking for every right on HKEY_LOCAL_MACHINE (0x2003F) is
// refused to a program that is not elevated, and a look-up needs none of them.
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kStringValue = 1;  // REG_SZ
inline constexpr std::uint32_t kValueBufferSize = 1024;

// Reads a string value of a key, or says which key or value could not be
// read. The key is closed in every case; a value stored with its terminating
// zero loses it, and a value of another type reads as empty text.
[[nodiscard]] Result<std::string> readRegistryString(Registry& registry, std::uint32_t root,
                                                     const std::string& keyName,
                                                     const std::string& valueName);

// The system-information program that the registry names: the MSINFO path
// itself, or else MSINFO32.EXE in the shared tools' folder when it exists.
std::optional<std::string> systemInfoFromRegistry(
    Registry& registry, const std::function<bool(const std::string&)>& fileExists);

// Elsewhere: the first of the desktops' own system-information tools found on the PATH.
std::optional<std::vector<std::string>> systemInfoToolOnPath(
    const std::function<std::optional<std::string>(const std::string&)>& findOnPath);

// Starts the system-information tool without waiting; false when there is
// none or it cannot be started, and the caller says it is unavailable.
bool startSystemInfoTool();

}  // namespace corvane
