#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// The paper a document is laid out on, landscape, as a word processor starts
// a new document: US Letter, or A4 in most of the world.
enum class Paper : std::uint8_t { letter, a4 };

// The page in twentieths of a point, landscape: width and height.
struct PageSize {
  int width;
  int height;
};
PageSize landscapePage(Paper paper);

// "letter", "a4": the names of the command line and of the system's paper
// setting (libpaper's names, in any case). Nothing for any other paper.
std::string_view paperName(Paper paper);
std::optional<Paper> paperFromName(std::string_view name);

}  // namespace corvane
