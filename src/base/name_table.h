#pragma once

#include <optional>
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

}  // namespace corvane
