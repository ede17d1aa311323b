#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {

// Looks a value up in a table of (value, name) pairs, in either direction.
template <typename Table, typename Value>
std::string_view nameIn(const Table& table, Value value) {
  for (const auto& [each, name] : table) {
    if (each == value) return name;
  }
  return {};
}

template <typename Value, typename Table>
std::optional<Value> valueIn(const Table& table, std::string_view name) {
  for (const auto& [value, each] : table) {
    if (each == name) return value;
  }
  return std::nullopt;
}

// The names of the tables are lowercase ASCII; a name typed in any letter case
// is lowered before it is looked up. Only A to Z change, so no locale (a
// Turkish dotless i) can turn a name into another.
inline std::string asciiLowercase(std::string_view text) {
  std::string lower{text};
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace corvane
