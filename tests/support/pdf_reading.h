#pragma once

// A PDF read back with poppler's tools, for the tests of the printed pages.

#include <cctype>
#include <filesystem>
#include <string>

#include "support/command_output.h"

namespace corvane::testing {

inline bool popplerInstalled() {
  return commandExists("pdftotext") && commandExists("pdfinfo") && commandExists("pdffonts");
}

// The text of every page in the order drawn, each page ended by a form feed.
inline std::string pdfText(const std::filesystem::path& file) {
  return commandOutput("pdftotext -raw -enc UTF-8 " + shellQuoted(file.string()) + " -")
      .value_or("<pdftotext failed>");
}

inline std::string pdfInfo(const std::filesystem::path& file) {
  return commandOutput("pdfinfo " + shellQuoted(file.string())).value_or("<pdfinfo failed>");
}

// The words of a text, one blank between two: a page's lines break where its
// column does, and a line may end after the hyphen of a word ("life-|giving").
inline std::string words(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool lineAfterHyphen = text[i] == '\n' && i >= 2 && text[i - 1] == '-' &&
                                 std::isalpha(static_cast<unsigned char>(text[i - 2]));
    if (lineAfterHyphen) continue;
    if (!std::isspace(static_cast<unsigned char>(text[i]))) {
      out += text[i];
    } else if (!out.empty() && out.back() != ' ') {
      out += ' ';
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The value of one line of pdfinfo's answer: "Pages", "Page size".
inline std::string pdfInfoField(const std::string& info, const std::string& field) {
  const std::size_t at = info.find(field + ":");
  if (at == std::string::npos) return {};
  const std::size_t start = info.find_first_not_of(' ', at + field.size() + 1);
  return info.substr(start, info.find('\n', start) - start);
}

// The headings are set in small capitals, which come back as capitals.
inline std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace corvane::testing
