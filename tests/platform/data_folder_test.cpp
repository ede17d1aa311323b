#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane {
namespace {

namespace fs = std::filesystem;

// The program's folder only when it already holds the temple's phrase or asks
// to be portable; an installed program keeps its files in the user's folder.
TEST(DataFolder, PerUserFolderUnlessTheProgramsFolderHoldsTheFiles) {
  struct Row {
    std::set<std::string> besideProgram;  // files in /opt/corvane
    FolderEnvironment environment;
    fs::path expected;
  };
  const FolderEnvironment linux{.xdgDataHome = "/xdg", .home = "/home/u"};
  const Row rows[] = {
      {{"inpat.txt"}, linux, "/opt/corvane"},
      {{"portable"}, linux, "/opt/corvane"},
      {{"dismissal.txt", "corvane"}, linux, "/xdg/corvane"},
      {{}, {.home = "/home/u"}, "/home/u/.local/share/corvane"},
      {{}, {.xdgDataHome = "relative", .home = "/home/u"}, "/home/u/.local/share/corvane"},
      {{},
       {.appData = "C:/Users/u/AppData/Roaming", .windows = true},
       "C:/Users/u/AppData/Roaming/Corvane"},
      {{}, {}, fs::temp_directory_path() / "corvane"},
  };
  for (const Row& row : rows) {
    const auto exists = [&row](const fs::path& file) {
      return file.parent_path() == "/opt/corvane" &&
             row.besideProgram.contains(file.filename().string());
    };
    EXPECT_EQ(chooseDataFolder("/opt/corvane", exists, row.environment), row.expected)
        << row.expected;
  }
  // Without a program folder (it could not be found), the per-user folder.
  EXPECT_EQ(chooseDataFolder(
                {}, [](const fs::path&) { return true; }, linux),
            "/xdg/corvane");
}

}  // namespace
}  // namespace corvane
