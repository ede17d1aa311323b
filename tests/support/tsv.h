#pragma once

// Reads the expected texts kept in tests/data: tab-separated rows, a '#'
// header line, fields never trimmed (most texts end in a blank).

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace corvane::testing {

using TsvRow = std::vector<std::string>;

inline std::vector<TsvRow> readTsv(const std::string& name) {
  const std::string path = std::string{CORVANE_TEST_DATA} + "/" + name;
  std::ifstream file{path, std::ios::binary};
  EXPECT_TRUE(file) << "cannot read " << path;
  std::vector<TsvRow> rows;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.starts_with('#')) continue;
    TsvRow row;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.find('\t', start);
      row.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// The rows whose first field is `key`.
inline std::vector<TsvRow> rowsWith(const std::vector<TsvRow>& rows, std::string_view key) {
  std::vector<TsvRow> kept;
  for (const TsvRow& row : rows) {
    if (!row.empty() && row[0] == key) kept.push_back(row);
  }
  return kept;
}

// The field `textColumn` of the first row whose field `keyColumn` is `key`.
inline std::string textOf(const std::string& file, std::size_t keyColumn, std::string_view key,
                          std::size_t textColumn) {
  for (const TsvRow& row : readTsv(file)) {
    if (row.size() > std::max(keyColumn, textColumn) && row[keyColumn] == key)
      return row[textColumn];
  }
  ADD_FAILURE() << key << " not in " << file;
  return {};
}

}  // namespace corvane::testing
