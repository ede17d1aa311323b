#pragma once

// Reads a zip held in memory, for the document tests.

#include <zip.h>

#include <ctime>
#include <string>
#include <vector>

namespace corvane::testing {

struct ZipEntryInfo {
  std::string name;
  std::string bytes;
  std::uint16_t compression = 0;  // ZIP_CM_*
  std::time_t modified = 0;
};

// Every entry in archive order; empty when the bytes are not a zip.
inline std::vector<ZipEntryInfo> zipEntries(const std::string& archiveBytes) {
  std::vector<ZipEntryInfo> entries;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source =
      zip_source_buffer_create(archiveBytes.data(), archiveBytes.size(), 0, &error);
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  if (archive == nullptr) {
    zip_source_free(source);
    return entries;
  }
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0) continue;
    ZipEntryInfo entry{.name = stat.name,
                       .bytes = std::string(stat.size, '\0'),
                       .compression = stat.comp_method,
                       .modified = stat.mtime};
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    zip_fread(file, entry.bytes.data(), stat.size);
    zip_fclose(file);
    entries.push_back(std::move(entry));
  }
  zip_close(archive);
  return entries;
}

// The member's bytes; "<no member>" when it is not there.
inline std::string zipEntry(const std::string& archiveBytes, const std::string& name) {
  for (ZipEntryInfo& entry : zipEntries(archiveBytes)) {
    if (entry.name == name) return std::move(entry.bytes);
  }
  return "<no member>";
}

}  // namespace corvane::testing
