#include "cli/standard_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace corvane {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

StandardOutput::StandardOutput() : buffer_(kBufferSize) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool StandardOutput::writeAll(const char* bytes, std::size_t count) {
  if (error_ != 0) return false;
  if (count > 0) wrote_ = true;
  while (count > 0) {
    const ssize_t written = ::write(STDOUT_FILENO, bytes, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      error_ = errno;
      return false;
    }
    if (written == 0) {
      error_ = EIO;
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

bool StandardOutput::drain() {
  const bool written = writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return written;
}

StandardOutput::int_type StandardOutput::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

// A block as large as the buffer goes out as it is, after what is buffered.
std::streamsize StandardOutput::xsputn(const char* bytes, std::streamsize count) {
  if (count >= epptr() - pptr()) {
    if (!drain()) return 0;
    if (count >= epptr() - pptr()) {
      return writeAll(bytes, static_cast<std::size_t>(count)) ? count : 0;
    }
  }
  traits_type::copy(pptr(), bytes, static_cast<std::size_t>(count));
  pbump(static_cast<int>(count));
  return count;
}

int StandardOutput::sync() {
  return drain() ? 0 : -1;
}

int StandardOutput::close() {
  if (closed_) return error_;
  drain();
  closed_ = true;
  if (::close(STDOUT_FILENO) != 0 && error_ == 0 && errno != EINTR) {
    if (wrote_ || errno != EBADF) error_ = errno;
  }
  return error_;
}

int closeStandardOutput(StandardOutput& output, int status, std::ostream& err) {
  const int error = output.close();
  if (error == 0 || error == EPIPE) return status;
  err << "corvane-cli: standard output: " << std::strerror(error) << '\n';
  return 1;
}

}  // namespace corvane
