#include "output/paper.h"

#include <string>

#include "base/name_table.h"

namespace corvane {

PageSize landscapePage(Paper paper) {
  switch (paper) {
    case Paper::a4:
      return {16838, 11906};  // 297 by 210 millimetres
    case Paper::letter:
      break;
  }
  return {15840, 12240};  // 11 by 8.5 inches
}

std::string_view paperName(Paper paper) {
  return paper == Paper::a4 ? "a4" : "letter";
}

std::optional<Paper> paperFromName(std::string_view name) {
  const std::string lower = asciiLowercase(name);
  if (lower == "a4") return Paper::a4;
  if (lower == "letter") return Paper::letter;
  return std::nullopt;
}

}  // namespace corvane
