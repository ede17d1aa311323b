#include "platform/system_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace corvane {
namespace {

// A registry of values as stored (with or without a terminating zero) under
// their keys, that records which keys were opened and how many are still open.
class FakeRegistry : public Registry {
 public:
  std::map<std::string, std::map<std::string, std::pair<std::string, std::uint32_t>>> keys;
  std::vector<std::string> opened;
  int openKeys = 0;

  long openKey(std::uint32_t root, const std::string& name, std::uint32_t access,
               Key& key) override {
    EXPECT_EQ(root, kLocalMachine);
    EXPECT_EQ(access, 0x20019u);  // KEY_READ
    opened.push_back(name);
    if (!keys.contains(name)) return 2;  // ERROR_FILE_NOT_FOUND
    key = opened.size();
    ++openKeys;
    return 0;
  }
  long queryValue(Key, const std::string& valueName, char* buffer, std::uint32_t& size,
                  std::uint32_t& type) override {
    EXPECT_EQ(size, 1024u);
    const auto& values = keys[opened.back()];
    const auto found = values.find(valueName);
    if (found == values.end()) return 2;
    const auto& [bytes, storedType] = found->second;
    std::memcpy(buffer, bytes.data(), bytes.size());
    size = static_cast<std::uint32_t>(bytes.size());
    type = storedType;
    return 0;
  }
  void closeKey(Key) override { --openKeys; }
};

const std::string kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const auto kNoFile = [](const std::string&) { return false; };

// The MSINFO path itself, with no second look-up; else MSINFO32.EXE in the
// shared tools' folder, only when it is there. Every key is closed.
TEST(SystemInfo, TheRegistryNamesTheProgram) {
  FakeRegistry first;
  first.keys[kMsinfoKey]["PATH"] = {std::string{"C:\\Tools\\msinfo32.exe\0", 22}, kStringValue};
  EXPECT_EQ(systemInfoFromRegistry(first, kNoFile), "C:\\Tools\\msinfo32.exe");
  EXPECT_EQ(first.opened, std::vector<std::string>{kMsinfoKey});
  EXPECT_EQ(first.openKeys, 0);

  FakeRegistry second;
  second.keys[kLocationKey]["MSINFO"] = {"C:\\Shared", kStringValue};
  EXPECT_FALSE(systemInfoFromRegistry(second, kNoFile));
  EXPECT_EQ(second.opened, (std::vector<std::string>{kMsinfoKey, kLocationKey}));
  EXPECT_EQ(systemInfoFromRegistry(
                second, [](const std::string& file) { return file == "C:\\Shared\\MSINFO32.EXE"; }),
            "C:\\Shared\\MSINFO32.EXE");
  EXPECT_EQ(second.openKeys, 0);
}

// A zero alone, and a value that is not a string, read as empty text.
TEST(SystemInfo, ARegistryStringLosesOnlyATerminatingZero) {
  for (const auto& [stored, type] : {std::pair{std::string{"\0", 1}, kStringValue},
                                     std::pair{std::string{"1234"}, std::uint32_t{4}}}) {
    FakeRegistry registry;
    registry.keys[kMsinfoKey]["PATH"] = {stored, type};
    EXPECT_EQ(readRegistryString(registry, kLocalMachine, kMsinfoKey, "PATH"), "") << type;
  }
}

TEST(SystemInfo, TheFirstDesktopToolFoundOnThePath) {
  EXPECT_FALSE(systemInfoToolOnPath([](const std::string&) { return std::nullopt; }));
  const auto found = systemInfoToolOnPath([](const std::string& program) {
    return program == "hardinfo" || program == "gnome-control-center"
               ? std::optional{"/usr/bin/" + program}
               : std::nullopt;
  });
  EXPECT_EQ(found, (std::vector<std::string>{"gnome-control-center", "info-overview"}));
}

}  // namespace
}  // namespace corvane
