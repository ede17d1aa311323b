#include "platform/open_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <thread>

#include "platform/atomic_file.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// The opener's report, which comes from another thread, or nothing within `time`.
std::optional<std::string> reportOf(void (*open)(const fs::path&, OpenFailure),
                                    const fs::path& file, std::chrono::milliseconds time) {
  const auto report = std::make_shared<std::promise<std::string>>();
  std::future<std::string> future = report->get_future();
  open(file, [report](const std::string& text) { report->set_value(text); });
  if (future.wait_for(time) != std::future_status::ready) return std::nullopt;
  return future.get();
}

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
    EXPECT_EQ(reportOf(row.open, file, std::chrono::seconds{30}),
              "No program opened " + file.string() + " " + row.says);
  }
}

TEST_F(FakeOpener, TheFileIsOneArgumentAndSuccessSaysNothing) {
  // The opener records its arguments, one a line, and succeeds.
  const fs::path seen = folder.path() / "arguments";
  installOpener("for a in \"$@\"; do echo \"$a\" >> '" + seen.string() + "'; done; exit 0");
  const fs::path file = folder.path() / "a file; with $(odd) blanks.docx";
  // Silent for a while; then the opener has run, or runs soon.
  EXPECT_EQ(reportOf(openWithDefaultApplication, file, std::chrono::milliseconds{200}),
            std::nullopt);
  for (int tries = 0; tries < 3000 && !fs::exists(seen); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds{10});
  }
  EXPECT_EQ(readWholeFile(seen), file.string() + "\n");
}

}  // namespace
}  // namespace corvane
