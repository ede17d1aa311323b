#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>

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
  EXPECT_EQ(entriesIn(folder.path()), 0u) << "no temporary file is left";
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

// The kinds of target, each written by its own route; what a link points to
// changes and the link stays (routes by kind: the command line's tests too).
class Targets : public ::testing::Test {
 protected:
  testing::TemporaryFolder folder;
  const fs::path& here = folder.path();
  static constexpr std::string_view kNew = "the new text\r\n";

  bool isLink(const fs::path& path, const fs::path& to) {
    return fs::is_symlink(fs::symlink_status(path)) && fs::read_symlink(path) == to;
  }
};

TEST_F(Targets, LinksAreWrittenThroughAndStay) {
  testing::TemporaryFolder elsewhere;
  ASSERT_TRUE(writeFileAtomically(here / "dismissal.txt", "the old text"));
  ASSERT_TRUE(writeFileAtomically(elsewhere.path() / "kept.txt", "the old text"));
  struct Row {
    const char* link;
    fs::path to;       // as the link holds it
    fs::path reached;  // the file that takes the bytes
  };
  const Row rows[] = {
      {"to-file", "dismissal.txt", here / "dismissal.txt"},
      {"to-link", "to-file", here / "dismissal.txt"},
      {"to-elsewhere", elsewhere.path() / "kept.txt", elsewhere.path() / "kept.txt"},
      {"dangling", elsewhere.path() / "new.txt", elsewhere.path() / "new.txt"},
  };
  for (const Row& row : rows) fs::create_symlink(row.to, here / row.link);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.link);
    ASSERT_TRUE(writeFileAtomically(here / row.link, std::string{kNew} + row.link));
    EXPECT_EQ(readWholeFile(row.reached), std::string{kNew} + row.link);
    EXPECT_TRUE(isLink(here / row.link, row.to));
  }
  EXPECT_EQ(entriesIn(here), 5u) << "no temporary file is left";
  EXPECT_EQ(entriesIn(elsewhere.path()), 2u);
}

// Nothing is written and nothing left behind; the message names the path.
TEST_F(Targets, FoldersAndLinksThatLeadNowhereAreRefused) {
  fs::create_directories(here / "folder" / "inside");
  fs::create_symlink("folder", here / "to-folder");
  fs::create_symlink("loop-b", here / "loop-a");
  fs::create_symlink("loop-a", here / "loop-b");
  fs::create_symlink(here / "missing" / "new.txt", here / "into-missing");
  const std::pair<const char*, std::string> rows[] = {
      {"folder", "it is a folder, not a file"},
      {"to-folder", "it is a folder, not a file"},
      {"loop-a", "Too many levels of symbolic links"},
      {"into-missing", "No such file or directory"},
  };
  for (const auto& [name, why] : rows) {
    const Done written = writeFileAtomically(here / name, kNew);
    ASSERT_FALSE(written) << name;
    EXPECT_TRUE(written.error().starts_with("Cannot write " + (here / name).string()))
        << written.error();
    EXPECT_TRUE(written.error().ends_with(": " + why)) << written.error();
  }
  EXPECT_EQ(writeFileAtomically(here / "into-missing", kNew).error(),
            "Cannot write " + (here / "into-missing").string() + " (a link to " +
                (here / "missing" / "new.txt").string() + "): No such file or directory");
  EXPECT_EQ(entriesIn(here), 5u);
  EXPECT_EQ(entriesIn(here / "folder"), 1u);
}

// A pipe is written while a reader drains it, more than it holds at once.
TEST_F(Targets, APipeIsWrittenStraight) {
  const fs::path pipe = here / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string bytes(1 << 20, 'x');
  std::future<Result<std::string>> read =
      std::async(std::launch::async, [&] { return readWholeFile(pipe); });
  const Done drained = writeFileAtomically(pipe, bytes);
  if (!drained) std::ofstream{pipe};  // the reader is let go
  ASSERT_TRUE(drained) << drained.error();
  EXPECT_EQ(read.get(), bytes);
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
  EXPECT_EQ(entriesIn(here), 1u);
  // A link of the kernel's own to a pipe (/dev/stdout names one so).
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const fs::path writeEnd = "/proc/self/fd/" + std::to_string(ends[1]);
  const Done written = writeFileAtomically(writeEnd, kNew);
  ::close(ends[1]);
  char back[64] = {};
  EXPECT_EQ(::read(ends[0], back, sizeof back), static_cast<ssize_t>(kNew.size()));
  ::close(ends[0]);
  ASSERT_TRUE(written) << written.error();
  EXPECT_EQ(std::string_view{back}, kNew);
}

// A private node of the full device (what /dev/full is): the error is said
// and the node is still the device afterwards. The system's own is never used.
TEST_F(Targets, AFullDeviceSaysSoAndStaysADevice) {
  const fs::path full = here / "full";
  if (::mknod(full.c_str(), S_IFCHR | 0600, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "mknod is refused here (" << std::strerror(errno) << ")";
  }
  const Done written = writeFileAtomically(full, kNew);
  ASSERT_FALSE(written);
  if (written.error().ends_with("Permission denied")) {
    GTEST_SKIP() << "devices cannot be opened in " << here << " (mounted nodev)";
  }
  EXPECT_EQ(written.error(), "Cannot write " + full.string() + ": No space left on device");
  struct stat status {};
  ASSERT_EQ(::lstat(full.c_str(), &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));
  EXPECT_EQ(status.st_rdev, makedev(1, 7));
  EXPECT_EQ(entriesIn(here), 1u);
}

// A socket cannot be opened as a file: said, and the socket stays.
TEST_F(Targets, ASocketIsOpenedAndStays) {
  const fs::path socketPath = here / "socket";
  const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const Done written = writeFileAtomically(socketPath, kNew);
  ::close(listening);
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error(), "Cannot write " + socketPath.string() + ": No such device or address");
  EXPECT_TRUE(fs::is_socket(fs::symlink_status(socketPath)));
}

}  // namespace
}  // namespace corvane
