#include "settings/patron.h"

#include "base/name_table.h"
#include "settings/temple_settings.h"

namespace corvane {

void choosePatron(TempleSettings& settings, Patron patron, std::string typedText) {
  settings.patron = patron;
  if (patron == Patron::typed) {
    settings.patronText = std::move(typedText);
  } else {
    settings.patronText.clear();
  }
}

std::string_view patronName(Patron patron) {
  return nameIn(kPatronNames, patron);
}

std::optional<Patron> patronFromName(std::string_view name) {
  return valueIn<Patron>(kPatronNames, name);
}

std::string normalizeLineBreaks(std::string_view text) {
  std::string held;
  held.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      held.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      held.push_back(text[i]);
    }
  }
  return held;
}

std::string cleanTypedPhrase(std::string_view typed) {
  const std::string held = normalizeLineBreaks(typed);
  std::string clean;
  clean.reserve(held.size());
  for (std::size_t i = 0; i < held.size(); ++i) {
    const auto byte = static_cast<unsigned char>(held[i]);
    const bool c0 = byte < 0x20 && byte != '\n' && byte != '\t';
    // U+0080 to U+009F, the C1 controls: C2 80 to C2 9F in UTF-8.
    const bool c1 = byte == 0xC2 && i + 1 < held.size() &&
                    static_cast<unsigned char>(held[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(held[i + 1]) <= 0x9F;
    if (c1) {
      ++i;
    } else if (!c0 && byte != 0x7F) {
      clean.push_back(held[i]);
    }
  }
  constexpr std::string_view kBlanks = " \t\n";
  const std::size_t first = clean.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  return clean.substr(first, clean.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace corvane
