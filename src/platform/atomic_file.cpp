#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace corvane {

namespace fs = std::filesystem;

namespace {

std::string failure(const char* what, const fs::path& path, const std::string& reason) {
  return std::string{what} + " " + path.string() + ": " + reason;
}

std::FILE* openForWriting(const fs::path& path) {
#ifdef _WIN32
  return _wfopen(path.wstring().c_str(), L"wb");
#else
  return std::fopen(path.c_str(), "wb");
#endif
}

fs::path temporarySibling(const fs::path& path) {
  std::random_device random;
  std::ostringstream name;
  name << '.' << path.filename().string() << '.' << std::hex << random() << ".tmp";
  return path.parent_path() / name.str();
}

}  // namespace

std::optional<std::string> writeFileAtomically(const fs::path& path, std::string_view bytes) {
  const fs::path temporary = temporarySibling(path);
  std::FILE* file = openForWriting(temporary);
  if (file == nullptr) return failure("Cannot write", path, std::strerror(errno));

  const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
  int writeError = written == bytes.size() ? 0 : errno;
  if (std::fflush(file) != 0 && writeError == 0) writeError = errno;
  if (std::fclose(file) != 0 && writeError == 0) writeError = errno;
  std::error_code error;
  if (writeError != 0) {
    fs::remove(temporary, error);
    return failure("Cannot write", path, std::strerror(writeError));
  }
  fs::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return failure("Cannot write", path, error.message());
  }
  return std::nullopt;
}

std::optional<std::string> readWholeFile(const fs::path& path, std::string& problem) {
  std::ifstream file{path, std::ios::binary};
  if (!file) {
    problem = failure("Cannot read", path, std::strerror(errno));
    return std::nullopt;
  }
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad()) {
    problem = failure("Cannot read", path, "the file could not be read whole");
    return std::nullopt;
  }
  return bytes.str();
}

}  // namespace corvane
