#pragma once

#include <ostream>
#include <streambuf>
#include <vector>

namespace corvane {

// Standard output with every write checked: a stream buffer written straight
// to descriptor 1, which keeps the first error. After one, nothing more is
// written and the stream using it goes bad, so that a long output stops.
class StandardOutput : public std::streambuf {
 public:
  StandardOutput();
  StandardOutput(const StandardOutput&) = delete;
  StandardOutput& operator=(const StandardOutput&) = delete;

  // Writes what is buffered and closes descriptor 1, since some failures
  // (a full disk over NFS) are said only then; the errno of the first failure,
  // or 0. Descriptor 1 already closed when nothing was written is no failure.
  int close();

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int sync() override;

 private:
  bool drain();
  bool writeAll(const char* bytes, std::size_t count);

  std::vector<char> buffer_;
  int error_ = 0;
  bool wrote_ = false;
  bool closed_ = false;
};

// The exit status of corvane-cli once its standard output is closed: the
// command's own, or 1 after "corvane-cli: standard output: No space left on
// device" on `err`. A reader that has gone (a closed pipe, as with `| head`)
// is no failure: the rest of the output was not wanted.
int closeStandardOutput(StandardOutput& output, int status, std::ostream& err);

}  // namespace corvane
