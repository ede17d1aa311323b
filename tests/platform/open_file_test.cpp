#include "platform/open_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <thread>

#include "support/temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// The opener's report, which comes from another thread, or nothing within `time`.
struct OpenReport {
  std::shared_ptr<std::promise<std::string>> promise =
      std::make_shared<std::promise<std::string>>();
  std::future<std::string> future = promise->get_future();

  OpenFailure callback() const {
    return [promise = promise](const std::string& text) { promise->set_value(text); };
  }
  std::optional<std::string> waitFor(std::chrono::milliseconds time) {
    if (future.wait_for(time) != std::future_status::ready) return std::nullopt;
    return future.get();
  }
};

// An xdg-open of the test's own, alone on the PATH.
class FakeOpener : public ::testing::Test {
 protected:
  void SetUp() override { setenv("PATH", folder.path().c_str(), 1); }
  void TearDown() override { setenv("PATH", savedPath.c_str(), 1); }
  void installOpener(const std::string& body) {
    const fs::path script = folder.path() / "xdg-open";
    std::ofstream{script} << "#!/bin/sh\n" << body << "\n";
    fs::permissions(script, fs::perms::owner_all);
  }
  const std::string savedPath = std::getenv("PATH");
  testing::TemporaryFolder folder;
};

TEST_F(FakeOpener, AFailureIsReportedWithThePath) {
  struct Row {
    const char* opener;  // none on the PATH when null
    void (*open)(const fs::path&, OpenFailure);
    std::string says;
  };
  const Row rows[] = {
      {"exit 3", openWithDefaultApplication, "(xdg-open ended with status 3)."},
      {"kill -TERM $$", openInTextEditor, "(xdg-open was stopped)."},
      {nullptr, openInTextEditor, "(xdg-open could not be started: No such file or directory)."},
  };
  const fs::path file = folder.path() / "dismissal with blanks.txt";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.says);
    fs::remove(folder.path() / "xdg-open");
    if (row.opener != nullptr) installOpener(row.opener);
    OpenReport report;
    row.open(file, report.callback());
    EXPECT_EQ(report.waitFor(std::chrono::seconds{30}),
              "No program opened " + file.string() + " " + row.says);
  }
}

TEST_F(FakeOpener, TheFileIsOneArgumentAndSuccessSaysNothing) {
  // The opener records its arguments, one a line, and succeeds.
  const fs::path seen = folder.path() / "arguments";
  installOpener("for a in \"$@\"; do echo \"$a\" >> '" + seen.string() + "'; done; exit 0");
  OpenReport report;
  const fs::path file = folder.path() / "a file; with $(odd) blanks.docx";
  openWithDefaultApplication(file, report.callback());
  // Silent: wait until the opener has run, then a little for a stray report.
  for (int tries = 0; tries < 3000 && !fs::exists(seen); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds{10});
  }
  EXPECT_EQ(report.waitFor(std::chrono::milliseconds{100}), std::nullopt);
  std::ifstream arguments{seen};
  std::string line, all;
  while (std::getline(arguments, line)) all += line + "|";
  EXPECT_EQ(all, file.string() + "|");
}

}  // namespace
}  // namespace corvane
