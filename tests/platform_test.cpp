#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "platform/atomic_file.h"
#include "platform/data_folder.h"
#include "platform/open_file.h"
#include "temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

using testing::TemporaryFolder;

std::size_t entriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator{folder}, {}));
}

TEST(DataFolder, ProgramFolderWhenWritableElseThePerUserFolder) {
  struct Row {
    bool programWritable;
    FolderEnvironment environment;
    fs::path expected;
  };
  const Row rows[] = {
      {true, {.xdgDataHome = "/xdg", .home = "/home/u"}, "/opt/corvane"},
      {false, {.xdgDataHome = "/xdg", .home = "/home/u"}, "/xdg/corvane"},
      {false, {.home = "/home/u"}, "/home/u/.local/share/corvane"},
      {false, {.xdgDataHome = "relative", .home = "/home/u"}, "/home/u/.local/share/corvane"},
      {false,
       {.appData = "C:/Users/u/AppData/Roaming", .windows = true},
       "C:/Users/u/AppData/Roaming/Corvane"},
  };
  for (const Row& row : rows) {
    const auto writable = [&row](const fs::path&) { return row.programWritable; };
    EXPECT_EQ(chooseDataFolder("/opt/corvane", writable, row.environment), row.expected);
  }
}

TEST(DataFolder, WritabilityIsTriedOnTheFolder) {
  TemporaryFolder folder;
  EXPECT_TRUE(mayWriteIn(folder.path()));
  EXPECT_EQ(entriesIn(folder.path()), 0u) << "the probe is removed";
  EXPECT_FALSE(mayWriteIn(folder.path() / "missing"));
}

TEST(AtomicFile, ReplacesTheWholeFile) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "dismissal.txt";
  ASSERT_FALSE(writeFileAtomically(file, "a long first content"));
  ASSERT_FALSE(writeFileAtomically(file, "short"));
  std::string problem;
  EXPECT_EQ(readWholeFile(file, problem), "short");
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(AtomicFile, FailureNamesThePathAndLeavesNothingBehind) {
  TemporaryFolder folder;
  const fs::path intoMissing = folder.path() / "missing" / "dismissal.txt";
  const std::optional<std::string> problem = writeFileAtomically(intoMissing, "text");
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find(intoMissing.string()), std::string::npos) << *problem;

  // A folder where the file should be: the rename fails after a full write.
  const fs::path occupied = folder.path() / "occupied";
  fs::create_directories(occupied / "inside");
  EXPECT_TRUE(writeFileAtomically(occupied, "text"));
  EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left";
}

TEST(AtomicFile, AWriteCutShortKeepsTheOldFile) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "dismissal.txt";
  ASSERT_FALSE(writeFileAtomically(file, "the old text"));

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
  EXPECT_NE(problem->find(file.string()), std::string::npos);
  std::string readProblem;
  EXPECT_EQ(readWholeFile(file, readProblem), "the old text");
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// Waits for the opener's report, which may come from another thread.
struct OpenReport {
  std::mutex mutex;
  std::condition_variable arrived;
  std::optional<std::string> message;

  OpenFailure callback() {
    return [this](const std::string& text) {
      std::lock_guard lock{mutex};
      message = text;
      arrived.notify_all();
    };
  }
  std::optional<std::string> waitForMessage() {
    std::unique_lock lock{mutex};
    arrived.wait_for(lock, std::chrono::seconds{30}, [this] { return message.has_value(); });
    return message;
  }
};

class FakeOpener : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* path = std::getenv("PATH");
    savedPath_ = path ? path : "";
  }
  void TearDown() override { setenv("PATH", savedPath_.c_str(), 1); }
  // An xdg-open of our own that ends with the given status.
  void installOpener(const fs::path& folder, int status) {
    const fs::path script = folder / "xdg-open";
    std::ofstream{script} << "#!/bin/sh\nexit " << status << "\n";
    fs::permissions(script, fs::perms::owner_all);
    setenv("PATH", folder.c_str(), 1);
  }
  std::string savedPath_;
};

TEST_F(FakeOpener, AFailingOpenerIsReportedWithThePath) {
  TemporaryFolder folder;
  installOpener(folder.path(), 3);
  OpenReport report;
  const fs::path file = folder.path() / "dismissal with blanks.txt";
  openWithDefaultApplication(file, report.callback());
  const std::optional<std::string> message = report.waitForMessage();
  ASSERT_TRUE(message);
  EXPECT_NE(message->find(file.string()), std::string::npos) << *message;
  EXPECT_NE(message->find("status 3"), std::string::npos) << *message;
}

TEST_F(FakeOpener, AMissingOpenerIsReported) {
  TemporaryFolder folder;
  setenv("PATH", folder.path().c_str(), 1);
  OpenReport report;
  openInTextEditor(folder.path() / "dismissal.txt", report.callback());
  EXPECT_TRUE(report.waitForMessage());
}

}  // namespace
}  // namespace corvane
