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
#include <unistd.h>
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

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

// The bytes reach the disk before the file takes the old one's name, and the
// rename itself is written through, so a power cut leaves the old file or the
// new one, never an empty one.
std::optional<std::string> writeAndReplace(const fs::path& path, const fs::path& temporary,
                                           std::string_view bytes) {
  HANDLE file = CreateFileW(temporary.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return windowsError(GetLastError());
  DWORD problem = 0;
  std::size_t done = 0;
  while (problem == 0 && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 30U));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
      problem = GetLastError();
    }
    done += written;
  }
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

// Writes all the bytes, going on after a signal or a short write.
int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
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
  const fs::path temporary = temporarySibling(path);
  if (const std::optional<std::string> problem = writeAndReplace(path, temporary, bytes)) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Failure{failure("Cannot write", path, *problem)};
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
