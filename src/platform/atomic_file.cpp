#include "platform/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

// How the bytes reach what stands at a path.
enum class Route {
  replace,   // a temporary file beside it, renamed over it
  straight,  // written into it as it is: a device, a pipe or a socket
};

// Where the bytes go: the path itself, or the file its links point to.
struct Target {
  fs::path file;
  Route route = Route::replace;
#ifdef _WIN32
  HANDLE device = INVALID_HANDLE_VALUE;  // opened already, for Route::straight
#endif
};

constexpr const char* kFolder = "it is a folder, not a file";

std::string failure(const char* what, const fs::path& path, const std::string& reason) {
  return std::string{what} + " " + path.string() + ": " + reason;
}

fs::path temporarySibling(const fs::path& path) {
  std::random_device random;
  std::ostringstream name;
  name << '.' << path.filename().string() << '.' << std::hex << random() << ".tmp";
  return path.parent_path() / name.str();
}

#ifdef _WIN32

std::string windowsError(DWORD code) {
  return std::system_category().message(static_cast<int>(code));
}

// Writes all the bytes, going on after a short write; 0 or the error.
DWORD writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30U));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    bytes.remove_prefix(written);
  }
  return 0;
}

// A symbolic link or a junction, followed to the file it points to by
// opening through it. A link to nothing is said: the file it would name
// cannot be asked for without reading the link itself.
Result<Target> linkedTarget(const fs::path& path) {
  HANDLE handle =
      CreateFileW(path.wstring().c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return Failure{"the link points to no file that can be opened (" +
                   windowsError(GetLastError()) + ")"};
  }
  std::wstring name(32768, L'\0');
  const DWORD length = GetFinalPathNameByHandleW(
      handle, name.data(), static_cast<DWORD>(name.size()), FILE_NAME_NORMALIZED);
  const DWORD problem = length == 0 ? GetLastError() : ERROR_FILENAME_EXCED_RANGE;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool folder = GetFileInformationByHandle(handle, &information) &&
                      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  CloseHandle(handle);
  if (length == 0 || length >= name.size()) return Failure{windowsError(problem)};
  if (folder) return Failure{kFolder};
  name.resize(length);
  return Target{fs::path{name}, Route::replace};
}

Result<Target> targetOf(const fs::path& path) {
  const DWORD attributes = GetFileAttributesW(path.wstring().c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return linkedTarget(path);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Failure{kFolder};
  } else if (const DWORD error = GetLastError();
             error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
    return Target{path, Route::replace};
  }
  // Something stands there ("NUL", "\\.\pipe\name" or a file): a device or a
  // pipe is written through the one handle that tells what it is, since a
  // pipe opened twice would be connected twice.
  HANDLE handle =
      CreateFileW(path.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    const DWORD type = GetFileType(handle);
    if (type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE) {
      return Target{path, Route::straight, handle};
    }
    CloseHandle(handle);
  }
  return Target{path, Route::replace};
}

std::optional<std::string> writeStraight(const Target& target, std::string_view bytes) {
  DWORD problem = writeAll(target.device, bytes);
  if (!CloseHandle(target.device) && problem == 0) problem = GetLastError();
  if (problem != 0) return windowsError(problem);
  return std::nullopt;
}

// The bytes reach the disk before the file takes the old one's name, and the
// rename itself is written through, so a power cut leaves the old file or the
// new one, never an empty one.
std::optional<std::string> writeAndReplace(const fs::path& path, const fs::path& temporary,
                                           std::string_view bytes) {
  HANDLE file = CreateFileW(temporary.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return windowsError(GetLastError());
  DWORD problem = writeAll(file, bytes);
  if (problem == 0 && !FlushFileBuffers(file)) problem = GetLastError();
  if (!CloseHandle(file) && problem == 0) problem = GetLastError();
  if (problem == 0 && !MoveFileExW(temporary.wstring().c_str(), path.wstring().c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    problem = GetLastError();
  }
  if (problem != 0) return windowsError(problem);
  return std::nullopt;
}

#else

// As many links as the kernel follows in one path before it gives up.
constexpr int kMostLinks = 40;

// Writes all the bytes, going on after a signal or a short write; 0 or the error.
int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

Result<Target> targetOf(const fs::path& path) {
  fs::path current = path;
  for (int links = 0; links <= kMostLinks; ++links) {
    struct stat status {};
    // Nothing there yet, or a name that cannot be looked at: the temporary
    // file beside it is created, or says why not.
    if (::lstat(current.c_str(), &status) != 0) return Target{current, Route::replace};
    if (S_ISLNK(status.st_mode)) {
      // Some links name no file (/dev/stdout, /proc/self/fd/1 → "pipe:[…]"):
      // what opening through them reaches decides. A link to a file, or to
      // nothing yet, is followed to the name it holds.
      struct stat reached {};
      if (::stat(current.c_str(), &reached) != 0 || S_ISREG(reached.st_mode)) {
        std::error_code error;
        const fs::path linked = fs::read_symlink(current, error);
        if (error) return Failure{error.message()};
        current = linked.is_absolute() ? linked : current.parent_path() / linked;
        continue;
      }
      status = reached;
    }
    if (S_ISREG(status.st_mode)) return Target{current, Route::replace};
    if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) {
      return Target{current, Route::straight};
    }
    if (S_ISDIR(status.st_mode)) return Failure{kFolder};
    if (S_ISBLK(status.st_mode)) return Failure{"it is a block device, not a file"};
    return Failure{"it is not a file"};
  }
  return Failure{std::strerror(ELOOP)};
}

std::optional<std::string> writeStraight(const Target& target, std::string_view bytes) {
  // Never created: should the node vanish meanwhile, no file takes its place.
  // A pipe opens once a reader has opened it.
  int descriptor = -1;
  do {
    descriptor = ::open(target.file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  } while (descriptor < 0 && errno == EINTR);
  if (descriptor < 0) return std::strerror(errno);
  struct stat opened {};
  int problem = ::fstat(descriptor, &opened) != 0 ? errno : 0;
  if (problem == 0 && (S_ISREG(opened.st_mode) || S_ISDIR(opened.st_mode))) {
    ::close(descriptor);
    return "it was replaced while being opened";
  }
  if (problem == 0) problem = writeAll(descriptor, bytes);
  if (::close(descriptor) != 0 && problem == 0 && errno != EINTR) problem = errno;
  if (problem != 0) return std::strerror(problem);
  return std::nullopt;
}

// The folder's entry of the renamed file reaches the disk too. Some file
// systems cannot sync a folder; the new file is in place all the same, so
// that is not reported as a failure to write it.
void syncFolder(const fs::path& folder) {
  const int descriptor =
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

// The bytes reach the disk before the file takes the old one's name, and the
// folder after it, so a power cut leaves the old file or the new one, never
// an empty one.
std::optional<std::string> writeAndReplace(const fs::path& path, const fs::path& temporary,
                                           std::string_view bytes) {
  const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (descriptor < 0) return std::strerror(errno);
  int problem = writeAll(descriptor, bytes);
  if (problem == 0 && ::fsync(descriptor) != 0) problem = errno;
  if (::close(descriptor) != 0 && problem == 0) problem = errno;
  if (problem == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) problem = errno;
  if (problem != 0) return std::strerror(problem);
  syncFolder(path.parent_path());
  return std::nullopt;
}

#endif

}  // namespace

Done writeFileAtomically(const fs::path& path, std::string_view bytes) {
  const Result<Target> target = targetOf(path);
  if (!target) return Failure{failure("Cannot write", path, target.error())};
  // A link is named with the file it points to, which is what failed.
  std::string named = path.string();
  if (target->file != path) named += " (a link to " + target->file.string() + ")";
  if (target->route == Route::straight) {
    if (const std::optional<std::string> problem = writeStraight(*target, bytes)) {
      return Failure{"Cannot write " + named + ": " + *problem};
    }
    return {};
  }
  const fs::path temporary = temporarySibling(target->file);
  if (const std::optional<std::string> problem = writeAndReplace(target->file, temporary, bytes)) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Failure{"Cannot write " + named + ": " + *problem};
  }
  return {};
}

Result<std::string> readWholeFile(const fs::path& path) {
  // A folder opens as a stream that reads nothing; it is no empty file.
  std::error_code ignored;
  if (fs::is_directory(path, ignored)) {
    return Failure{failure("Cannot read", path, std::strerror(EISDIR))};
  }
  std::ifstream file{path, std::ios::binary};
  if (!file) return Failure{failure("Cannot read", path, std::strerror(errno))};
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad()) return Failure{failure("Cannot read", path, "the file could not be read whole")};
  return bytes.str();
}

}  // namespace corvane
