#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "support/temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

using testing::TemporaryFolder;

std::size_t entriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator{folder}, {}));
}

TEST(AtomicFile, ReplacesTheWholeFile) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "dismissal.txt";
  ASSERT_EQ(writeFileAtomically(file, "a long first content"), std::nullopt);
  ASSERT_EQ(writeFileAtomically(file, "short"), std::nullopt);
  std::string problem;
  EXPECT_EQ(readWholeFile(file, problem), "short");
  EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left";
  // Bytes are written as they are: no line-end translation, zeros kept.
  const std::string binary{"a\r\nb\0c\n", 7};
  ASSERT_EQ(writeFileAtomically(file, binary), std::nullopt);
  EXPECT_EQ(readWholeFile(file, problem), binary);
}

// Every failure is a message that names the file, and nothing is left behind.
TEST(AtomicFile, FailureNamesThePathAndLeavesNothingBehind) {
  TemporaryFolder folder;
  const fs::path intoMissing = folder.path() / "missing" / "dismissal.txt";
  const std::optional<std::string> problem = writeFileAtomically(intoMissing, "text");
  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, "Cannot write " + intoMissing.string() + ": No such file or directory");

  // A folder where the file should be: the rename fails after a full write.
  const fs::path occupied = folder.path() / "occupied";
  fs::create_directories(occupied / "inside");
  const std::optional<std::string> renameProblem = writeFileAtomically(occupied, "text");
  ASSERT_TRUE(renameProblem);
  EXPECT_TRUE(renameProblem->starts_with("Cannot write " + occupied.string() + ": "))
      << *renameProblem;
  EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left";
  EXPECT_TRUE(fs::is_directory(occupied / "inside"));
}

TEST(AtomicFile, AWriteCutShortKeepsTheOldFile) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "dismissal.txt";
  ASSERT_EQ(writeFileAtomically(file, "the old text"), std::nullopt);

  // A file-size limit makes the write fail halfway, as a full disk would.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::optional<std::string> problem = writeFileAtomically(file, std::string(4096, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previousHandler);

  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, "Cannot write " + file.string() + ": File too large");
  std::string readProblem;
  EXPECT_EQ(readWholeFile(file, readProblem), "the old text");
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(AtomicFile, ReadingAMissingFileSaysSo) {
  TemporaryFolder folder;
  std::string problem;
  const fs::path missing = folder.path() / "inpat.txt";
  EXPECT_EQ(readWholeFile(missing, problem), std::nullopt);
  EXPECT_EQ(problem, "Cannot read " + missing.string() + ": No such file or directory");
}

}  // namespace
}  // namespace corvane
