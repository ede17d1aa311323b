#include "platform/open_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "support/temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

using testing::TemporaryFolder;

// Waits for the opener's report, which comes from another thread.
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

// An xdg-open of the test's own, found first on the PATH.
class FakeOpener : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* path = std::getenv("PATH");
    savedPath_ = path ? path : "";
  }
  void TearDown() override { setenv("PATH", savedPath_.c_str(), 1); }
  void installOpener(const std::string& body) {
    const fs::path script = folder_.path() / "xdg-open";
    std::ofstream{script} << "#!/bin/sh\n" << body << "\n";
    fs::permissions(script, fs::perms::owner_all);
    setenv("PATH", folder_.path().c_str(), 1);
  }
  TemporaryFolder folder_;
  std::string savedPath_;
};

TEST_F(FakeOpener, AFailingOpenerIsReportedWithThePath) {
  installOpener("exit 3");
  OpenReport report;
  const fs::path file = folder_.path() / "dismissal with blanks.txt";
  openWithDefaultApplication(file, report.callback());
  EXPECT_EQ(report.waitForMessage(),
            "No program opened " + file.string() + " (xdg-open ended with status 3).");
}

TEST_F(FakeOpener, AnOpenerStoppedByASignalIsReported) {
  installOpener("kill -TERM $$");
  OpenReport report;
  const fs::path file = folder_.path() / "dismissal.txt";
  openInTextEditor(file, report.callback());
  EXPECT_EQ(report.waitForMessage(),
            "No program opened " + file.string() + " (xdg-open was stopped).");
}

TEST_F(FakeOpener, TheFileIsOneArgumentAndSuccessSaysNothing) {
  // The opener records its arguments, one a line, and succeeds.
  const fs::path seen = folder_.path() / "arguments";
  installOpener("for a in \"$@\"; do echo \"$a\" >> '" + seen.string() + "'; done; exit 0");
  OpenReport report;
  const fs::path file = folder_.path() / "a file; with $(odd) blanks.docx";
  openWithDefaultApplication(file, report.callback());
  // The report stays silent: wait until the opener has run, then a little for a stray report.
  for (int tries = 0; tries < 3000 && !fs::exists(seen); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds{10});
  }
  std::this_thread::sleep_for(std::chrono::milliseconds{100});
  std::ifstream arguments{seen};
  std::string line, all;
  while (std::getline(arguments, line)) all += line + "|";
  EXPECT_EQ(all, file.string() + "|");
  std::lock_guard lock{report.mutex};
  EXPECT_EQ(report.message, std::nullopt);
}

TEST_F(FakeOpener, AMissingOpenerIsReported) {
  setenv("PATH", folder_.path().c_str(), 1);
  OpenReport report;
  const fs::path file = folder_.path() / "dismissal.txt";
  openInTextEditor(file, report.callback());
  EXPECT_EQ(report.waitForMessage(),
            "No program opened " + file.string() +
                " (xdg-open could not be started: No such file or directory).");
}

}  // namespace
}  // namespace corvane
