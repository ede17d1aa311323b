#include "platform/system_paper.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/temporary_folder.h"

namespace corvane {
namespace {

// The system's paper as libpaper reports it: $PAPERSIZE first, then the file
// $PAPERCONF names (/etc/papersize by default); nothing when none says.
TEST(SystemPaper, AsTheSystemSaysIt) {
  testing::TemporaryFolder folder;
  const auto conf = folder.path() / "papersize";
  std::ofstream{conf} << "a4\n";
  const char* savedSize = std::getenv("PAPERSIZE");
  const char* savedConf = std::getenv("PAPERCONF");
  const std::string keptSize = savedSize ? savedSize : "", keptConf = savedConf ? savedConf : "";

  unsetenv("PAPERSIZE");
  setenv("PAPERCONF", conf.c_str(), 1);
  EXPECT_EQ(systemPaperName(), "a4");
  setenv("PAPERSIZE", "letter", 1);
  EXPECT_EQ(systemPaperName(), "letter");
  unsetenv("PAPERSIZE");
  setenv("PAPERCONF", (folder.path() / "missing").c_str(), 1);
  EXPECT_EQ(systemPaperName(), std::nullopt);

  savedSize ? setenv("PAPERSIZE", keptSize.c_str(), 1) : unsetenv("PAPERSIZE");
  savedConf ? setenv("PAPERCONF", keptConf.c_str(), 1) : unsetenv("PAPERCONF");
}

}  // namespace
}  // namespace corvane
