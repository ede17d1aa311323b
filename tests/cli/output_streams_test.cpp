// Where corvane-cli writes: a file of any kind (the routes themselves: the
// platform's tests), and its standard output, whose every failure is said.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/cli_run.h"
#include "platform/atomic_file.h"
#include "support/command_output.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::Args;
using testing::CliRun;
using testing::runWith;
using testing::with;

const Args kOne = {"--service", "orthros", "--date", "2026-12-06"};

// A private node of the full device (never the system's own /dev/full), a
// folder and a link: what cannot be written is said with status 1, and
// nothing is replaced.
TEST(CliTargets, NothingIsReplacedByAFileOfAnotherKind) {
  testing::TemporaryFolder folder;
  const fs::path full = folder.path() / "full";
  const bool device = ::mknod(full.c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0;
  if (!device) std::cout << "[ SKIPPED  ] the full device: mknod is refused here\n";
  fs::create_directory(folder.path() / "folder");
  ASSERT_TRUE(writeFileAtomically(folder.path() / "kept.txt", "old"));
  fs::create_symlink("kept.txt", folder.path() / "link");
  struct Row {
    const char* option;
    const char* target;
    int status;
    std::string err;
  };
  const Row rows[] = {
      {"--docx", "full", 1, "No space left on device"},
      {"--txt", "folder", 1, "it is a folder, not a file"},
      {"--txt", "link", 0, ""},
  };
  for (const Row& row : rows) {
    if (!device && row.target == std::string_view{"full"}) continue;
    SCOPED_TRACE(row.target);
    const std::string target = (folder.path() / row.target).string();
    const CliRun run = runWith(with(kOne, {row.option, target}));
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              row.err.empty() ? "" : "corvane-cli: Cannot write " + target + ": " + row.err + "\n");
  }
  struct stat status {};
  EXPECT_TRUE(!device || (::lstat(full.c_str(), &status) == 0 && S_ISCHR(status.st_mode)));
  EXPECT_TRUE(fs::is_directory(folder.path() / "folder"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.path() / "link")));
  EXPECT_TRUE(readWholeFile(folder.path() / "kept.txt").value().starts_with("Sunday, December 6"));
}

// A bash script run with $CLI naming corvane-cli and $ERR a file for its
// standard error: what the script printed, and what corvane-cli said.
struct Ended {
  std::string printed;
  std::string err;
};
Ended runScript(const std::string& script) {
  testing::TemporaryFolder folder;
  const fs::path err = folder.path() / "err";
  const std::string variables = "CLI=" + testing::shellQuoted(CORVANE_CLI) +
                                " ERR=" + testing::shellQuoted(err.string()) + "; ";
  const std::optional<std::string> printed =
      testing::commandOutput("bash -c " + testing::shellQuoted(variables + script));
  return {printed.value_or("(bash failed)"), readWholeFile(err).value_or("")};
}

// Standard output on a full disk: said, and status 1, in every form.
TEST(CliStandardOutput, AFailedWriteIsSaid) {
  const char* const forms[] = {
      "--service orthros --date 2026-12-06",
      "--service orthros --date 2026-12-06 --json",
      "--service orthros --date 2026-12-06 --explain",
      "--service orthros --date 2026-12-06 --txt -",
      "--help",
  };
  for (const char* form : forms) {
    SCOPED_TRACE(form);
    const Ended ended =
        runScript("\"$CLI\" " + std::string{form} + " 2>\"$ERR\" >/dev/full; echo $?");
    EXPECT_EQ(ended.printed, "1\n");
    EXPECT_EQ(ended.err, "corvane-cli: standard output: No space left on device\n");
  }
}

// A reader that stops reading ends corvane-cli quietly: by SIGPIPE, as Unix
// tools end, or with status 0 where SIGPIPE is ignored. Two hundred years of
// dismissals are far more than a pipe holds.
TEST(CliStandardOutput, AReaderThatHasGoneIsNoFailure) {
  const std::string intoHead =
      "\"$CLI\" --service orthros --date 2026-01-01 --to 2226-01-01 2>\"$ERR\" | head -n 1; "
      "echo \"${PIPESTATUS[0]}\"";
  const Ended ended = runScript(intoHead);
  EXPECT_TRUE(ended.printed == "Thursday, January 1, 2026 - Circumcision of Our Lord\n0\n" ||
              ended.printed == "Thursday, January 1, 2026 - Circumcision of Our Lord\n141\n")
      << ended.printed;
  EXPECT_EQ(ended.err, "");
  const Ended ignored = runScript("trap '' PIPE; " + intoHead);
  EXPECT_EQ(ignored.printed, "Thursday, January 1, 2026 - Circumcision of Our Lord\n0\n");
  EXPECT_EQ(ignored.err, "");
}

}  // namespace
}  // namespace corvane
