#include "platform/system_paper.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/temporary_folder.h"

namespace corvane {
namespace {

// The system's paper as libpaper reports it, here from the file $PAPERCONF
// names; nothing when none says. (Each test runs in a process of its own.)
TEST(SystemPaper, AsTheSystemSaysIt) {
  testing::TemporaryFolder folder;
  const auto conf = folder.path() / "papersize";
  std::ofstream{conf} << "a4\n";
  unsetenv("PAPERSIZE");
  setenv("PAPERCONF", conf.c_str(), 1);
  EXPECT_EQ(systemPaperName(), "a4");
  setenv("PAPERCONF", (folder.path() / "missing").c_str(), 1);
  EXPECT_EQ(systemPaperName(), std::nullopt);
}

}  // namespace
}  // namespace corvane
