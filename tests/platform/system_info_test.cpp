#include "platform/system_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace corvane {
namespace {

// A registry of values as stored (with or without a terminating zero), that
// records which keys were opened and how many are still open.
class FakeRegistry : public Registry {
 public:
  std::map<std::pair<std::string, std::string>, std::pair<std::string, std::uint32_t>> values;
  std::vector<std::string> opened;
  int openKeys = 0;

  long openKey(std::uint32_t root, const std::string& name, std::uint32_t access,
               Key& key) override {
    EXPECT_EQ(root, kLocalMachine);
    EXPECT_EQ(access, 0x20019u);  // KEY_READ
    opened.push_back(name);
    const bool known =
        std::ranges::any_of(values, [&](const auto& v) { return v.first.first == name; });
    if (!known) return 2;  // ERROR_FILE_NOT_FOUND
    key = opened.size();
    ++openKeys;
    return 0;
  }
  long queryValue(Key, const std::string& valueName, char* buffer, std::uint32_t& size,
                  std::uint32_t& type) override {
    EXPECT_EQ(size, 1024u);
    const auto found = values.find({opened.back(), valueName});
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
  first.values[{kMsinfoKey, "PATH"}] = {std::string{"C:\\Tools\\msinfo32.exe\0", 22}, kStringValue};
  EXPECT_EQ(systemInfoFromRegistry(first, kNoFile), "C:\\Tools\\msinfo32.exe");
  EXPECT_EQ(first.opened, std::vector<std::string>{kMsinfoKey});
  EXPECT_EQ(first.openKeys, 0);

  FakeRegistry second;
  second.values[{kLocationKey, "MSINFO"}] = {"C:\\Shared", kStringValue};
  EXPECT_FALSE(systemInfoFromRegistry(second, kNoFile));
  EXPECT_EQ(second.opened, (std::vector<std::string>{kMsinfoKey, kLocationKey}));
  EXPECT_EQ(systemInfoFromRegistry(
                second, [](const std::string& file) { return file == "C:\\Shared\\MSINFO32.EXE"; }),
            "C:\\Shared\\MSINFO32.EXE");
  EXPECT_EQ(second.openKeys, 0);
}

// With and without a terminating zero: TheRegistryNamesTheProgram.
TEST(SystemInfo, ARegistryStringLosesOnlyATerminatingZero) {
  struct Row {
    std::string stored;
    std::uint32_t type;
    std::string read;
  };
  const Row rows[] = {
      {std::string{"\0", 1}, kStringValue, ""}, {"1234", 4, ""},  // not a string
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
  const auto onPath = [](std::vector<std::string> present) {
    return [present](const std::string& program) -> std::optional<std::string> {
      if (std::ranges::find(present, program) == present.end()) return std::nullopt;
      return "/usr/bin/" + program;
    };
  };
  EXPECT_FALSE(systemInfoToolOnPath(onPath({})));
  EXPECT_EQ(systemInfoToolOnPath(onPath({"hardinfo", "gnome-control-center"})),
            (std::vector<std::string>{"gnome-control-center", "info-overview"}));
}

}  // namespace
}  // namespace corvane
