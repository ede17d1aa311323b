#pragma once

#include <string>
#include <string_view>

namespace corvane {

// What the user typed, in quotes, for a message: 'vesper'.
inline std::string inQuotes(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '\'';
  quoted += text;
  quoted += '\'';
  return quoted;
}

// The names of a table of (value, name) pairs, in its order: "trinity, lord, …".
template <typename Table>
std::string namesOf(const Table& table) {
  std::string names;
  for (const auto& [value, name] : table) {
    if (!names.empty()) names += ", ";
    names += name;
  }
  return names;
}

}  // namespace corvane
