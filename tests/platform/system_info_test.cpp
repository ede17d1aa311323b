#include "platform/system_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace corvane {
namespace {

// A registry of string values, recording what was asked of it.
class FakeRegistry : public Registry {
 public:
  struct Value {
    std::string bytes;  // as stored, with or without its terminating zero
    std::uint32_t type = kStringValue;
  };
  std::map<std::pair<std::string, std::string>, Value> values;
  std::vector<std::string> opened;
  int openKeys = 0;

  long openKey(std::uint32_t root, const std::string& name, std::uint32_t access,
               Key& key) override {
    EXPECT_EQ(root, kLocalMachine);
    EXPECT_EQ(access, 0x20019u);  // KEY_READ
    opened.push_back(name);
    for (const auto& [where, value] : values) {
      if (where.first == name) {
        key = opened.size();
        ++openKeys;
        return 0;
      }
    }
    return 2;  // ERROR_FILE_NOT_FOUND
  }
  long queryValue(Key, const std::string& valueName, char* buffer, std::uint32_t& size,
                  std::uint32_t& type) override {
    EXPECT_EQ(size, 1024u);
    const auto found = values.find({opened.back(), valueName});
    if (found == values.end()) return 2;
    std::memcpy(buffer, found->second.bytes.data(), found->second.bytes.size());
    size = static_cast<std::uint32_t>(found->second.bytes.size());
    type = found->second.type;
    return 0;
  }
  void closeKey(Key) override { --openKeys; }
};

const std::string kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST(SystemInfo, TheFirstValueIsStartedWithoutTheSecondLookUp) {
  FakeRegistry registry;
  registry.values[{kMsinfoKey, "PATH"}] = {std::string{"C:\\Tools\\msinfo32.exe\0", 22}};
  const auto program = systemInfoFromRegistry(registry, [](const std::string&) { return false; });
  EXPECT_EQ(program, "C:\\Tools\\msinfo32.exe");
  EXPECT_EQ(registry.opened, std::vector<std::string>{kMsinfoKey});
  EXPECT_EQ(registry.openKeys, 0) << "every key is closed";
}

TEST(SystemInfo, TheSecondValueNamesAFolderThatMustHoldTheProgram) {
  FakeRegistry registry;
  registry.values[{kLocationKey, "MSINFO"}] = {"C:\\Shared"};
  EXPECT_FALSE(systemInfoFromRegistry(registry, [](const std::string&) { return false; }));
  EXPECT_EQ(registry.opened, (std::vector<std::string>{kMsinfoKey, kLocationKey}));
  const auto program = systemInfoFromRegistry(
      registry, [](const std::string& file) { return file == "C:\\Shared\\MSINFO32.EXE"; });
  EXPECT_EQ(program, "C:\\Shared\\MSINFO32.EXE");
}

TEST(SystemInfo, ARegistryStringLosesOnlyATerminatingZero) {
  struct Row {
    std::string stored;
    std::uint32_t type;
    std::string read;
  };
  const Row rows[] = {
      {std::string{"C:\\A\0", 5}, kStringValue, "C:\\A"},
      {"C:\\A", kStringValue, "C:\\A"},
      {std::string{"\0", 1}, kStringValue, ""},
      {"1234", 4, ""},  // not a string
  };
  for (const Row& row : rows) {
    FakeRegistry registry;
    registry.values[{kMsinfoKey, "PATH"}] = {row.stored, row.type};
    EXPECT_EQ(readRegistryString(registry, kLocalMachine, kMsinfoKey, "PATH"), row.read);
  }
  FakeRegistry empty;
  const Result<std::string> missing = readRegistryString(empty, kLocalMachine, kMsinfoKey, "PATH");
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.error().find(kMsinfoKey), std::string::npos) << missing.error();
}

TEST(SystemInfo, TheFirstDesktopToolFoundOnThePath) {
  const auto onPath = [](std::initializer_list<std::string> present) {
    return [present](const std::string& program) -> std::optional<std::string> {
      for (const std::string& each : present) {
        if (each == program) return "/usr/bin/" + program;
      }
      return std::nullopt;
    };
  };
  EXPECT_FALSE(systemInfoToolOnPath(onPath({})));
  EXPECT_EQ(systemInfoToolOnPath(onPath({"hardinfo", "gnome-control-center"})),
            (std::vector<std::string>{"gnome-control-center", "info-overview"}));
}

}  // namespace
}  // namespace corvane
