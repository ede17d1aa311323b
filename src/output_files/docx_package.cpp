#include "output_files/docx_package.h"

#include <zip.h>

#include <cstdint>
#include <memory>
#include <string_view>

namespace corvane {

namespace {

// The libzip handles, released on every path.
struct ZipSourceFree {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
struct ZipDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipSource = std::unique_ptr<zip_source_t, ZipSourceFree>;
using ZipArchive = std::unique_ptr<zip_t, ZipDiscard>;

Failure archiveFailure(zip_t* archive) {
  return Failure{std::string{"the document could not be packed: "} + zip_strerror(archive)};
}

// Adds a part; libzip reads the bytes when the archive closes, so they must
// outlive it. Every entry is stamped 1 January 1980.
Done addEntry(zip_t* archive, std::string_view name, const std::string& bytes) {
  ZipSource source{zip_source_buffer(archive, bytes.data(), bytes.size(), 0)};
  if (!source) return archiveFailure(archive);
  const zip_int64_t index =
      zip_file_add(archive, std::string{name}.c_str(), source.get(), ZIP_FL_ENC_UTF_8);
  if (index < 0) return archiveFailure(archive);
  source.release();  // the archive owns it now
  const auto entry = static_cast<zip_uint64_t>(index);
  constexpr zip_uint16_t kFirstOfJanuary1980 = (0 << 9) | (1 << 5) | 1;  // DOS date
  if (zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 9) < 0 ||
      zip_file_set_dostime(archive, entry, 0, kFirstOfJanuary1980, 0) < 0) {
    return archiveFailure(archive);
  }
  return {};
}

std::string readAll(zip_source_t* memory) {
  zip_stat_t stat;
  if (zip_source_stat(memory, &stat) != 0 || zip_source_open(memory) != 0) return {};
  std::string bytes(static_cast<std::size_t>(stat.size), '\0');
  const zip_int64_t read = zip_source_read(memory, bytes.data(), stat.size);
  zip_source_close(memory);
  bytes.resize(read < 0 ? 0 : static_cast<std::size_t>(read));
  return bytes;
}

}  // namespace

Result<std::string> docxPackage(const std::vector<PackagePart>& parts) {
  zip_error_t error;
  zip_error_init(&error);
  const auto zipFailure = [&error] {
    Failure failure{std::string{"the document could not be packed: "} + zip_error_strerror(&error)};
    zip_error_fini(&error);
    return failure;
  };
  ZipSource memory{zip_source_buffer_create(nullptr, 0, 0, &error)};
  if (!memory) return zipFailure();
  ZipArchive archive{zip_open_from_source(memory.get(), ZIP_TRUNCATE, &error)};
  if (!archive) return zipFailure();
  zip_error_fini(&error);
  zip_source_keep(memory.get());  // the archive holds a reference too; the bytes are read after
  for (const PackagePart& part : parts) {
    if (const Done added = addEntry(archive.get(), part.name, part.bytes); !added) {
      return Failure{added.error()};
    }
  }
  if (zip_close(archive.get()) < 0) return archiveFailure(archive.get());
  archive.release();  // closed: zip_close freed it

  std::string bytes = readAll(memory.get());
  if (bytes.empty()) return Failure{"the document could not be packed"};
  return bytes;
}

}  // namespace corvane
