#pragma once

// Reads a member of a zip held in memory, for the document tests.

#include <zip.h>

#include <string>

namespace corvane::testing {

// The member's bytes; "<not a zip>" or "<no member>" when it cannot be read.
inline std::string zipEntry(const std::string& archiveBytes, const char* name) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source =
      zip_source_buffer_create(archiveBytes.data(), archiveBytes.size(), 0, &error);
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  if (archive == nullptr) {
    zip_source_free(source);
    return "<not a zip>";
  }
  std::string bytes = "<no member>";
  zip_stat_t stat;
  if (zip_stat(archive, name, 0, &stat) == 0) {
    zip_file_t* file = zip_fopen(archive, name, 0);
    bytes.resize(stat.size);
    zip_fread(file, bytes.data(), stat.size);
    zip_fclose(file);
  }
  zip_close(archive);
  return bytes;
}

}  // namespace corvane::testing
