#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "support/temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator{folder}, {}));
}

TEST(AtomicFile, ReplacesTheWholeFileWithTheBytesAsTheyAre) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "dismissal.txt";
  ASSERT_TRUE(writeFileAtomically(file, "a long first content"));
  const std::string binary{"a\r\nb\0c\n", 7};  // no line-end translation, zeros kept
  ASSERT_TRUE(writeFileAtomically(file, binary));
  EXPECT_EQ(readWholeFile(file), binary);
  EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left";
}

// Every failure is a message that names the file, and nothing is left behind
// (a failed read: the command line's saved-temple tests).
TEST(AtomicFile, FailureNamesThePathAndLeavesNothingBehind) {
  testing::TemporaryFolder folder;
  const fs::path intoMissing = folder.path() / "missing" / "dismissal.txt";
  const Done written = writeFileAtomically(intoMissing, "text");
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error(),
            "Cannot write " + intoMissing.string() + ": No such file or directory");
  // A folder where the file should be: the rename fails after a full write.
  const fs::path occupied = folder.path() / "occupied";
  fs::create_directories(occupied / "inside");
  const Done renamed = writeFileAtomically(occupied, "text");
  ASSERT_FALSE(renamed);
  EXPECT_TRUE(renamed.error().starts_with("Cannot write " + occupied.string() + ": "))
      << renamed.error();
  EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left";
  EXPECT_TRUE(fs::is_directory(occupied / "inside"));
}

TEST(AtomicFile, AWriteCutShortKeepsTheOldFile) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "dismissal.txt";
  ASSERT_TRUE(writeFileAtomically(file, "the old text"));
  // A file-size limit makes the write fail halfway, as a full disk would.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const Done written = writeFileAtomically(file, std::string(4096, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previousHandler);
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error(), "Cannot write " + file.string() + ": File too large");
  EXPECT_EQ(readWholeFile(file), "the old text");
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

}  // namespace
}  // namespace corvane
