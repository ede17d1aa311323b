#include "settings/patron.h"

#include <utility>

#include "base/name_table.h"
#include "settings/temple_settings.h"

namespace corvane {

void choosePatron(TempleSettings& settings, Patron patron, std::string typedText) {
  settings.patron = patron;
  if (patron == Patron::typed) {
    // Cleaned once more here, the one way into the settings, so that no
    // composition ever sees a line break or a control of a typed phrase.
    settings.patronText = cleanTypedPhrase(typedText);
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

namespace {

// What a character of a typed phrase becomes.
enum class Typed { kept, blank, dropped };

// The character that starts `text`, by its UTF-8 bytes: what it becomes, and
// how many bytes it takes. Bytes that are no UTF-8 of these characters are
// kept one by one.
std::pair<Typed, std::size_t> typedCharacter(std::string_view text) {
  const auto byte = [&](std::size_t i) {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0U;
  };
  const unsigned first = byte(0);
  if (first == '\r') return {Typed::blank, byte(1) == '\n' ? 2U : 1U};
  if (first == '\n' || first == '\t') return {Typed::blank, 1};
  if (first < 0x20 || first == 0x7F) return {Typed::dropped, 1};
  // U+0080 to U+009F, the C1 controls, C2 80 to C2 9F; U+0085 is a line break.
  if (first == 0xC2 && byte(1) >= 0x80 && byte(1) <= 0x9F) {
    return {byte(1) == 0x85 ? Typed::blank : Typed::dropped, 2};
  }
  // U+061C, the Arabic letter mark: D8 9C.
  if (first == 0xD8 && byte(1) == 0x9C) return {Typed::dropped, 2};
  // U+200E, U+200F, U+2028 to U+202E: E2 80 8E, 8F, A8 to AE; U+2066 to U+2069: E2 81 A6 to A9.
  if (first == 0xE2 && byte(1) == 0x80) {
    const unsigned last = byte(2);
    if (last == 0xA8 || last == 0xA9) return {Typed::blank, 3};
    if (last == 0x8E || last == 0x8F || (last >= 0xAA && last <= 0xAE)) {
      return {Typed::dropped, 3};
    }
  }
  if (first == 0xE2 && byte(1) == 0x81 && byte(2) >= 0xA6 && byte(2) <= 0xA9) {
    return {Typed::dropped, 3};
  }
  return {Typed::kept, 1};
}

}  // namespace

std::string cleanTypedPhrase(std::string_view typed) {
  std::string clean;
  clean.reserve(typed.size());
  while (!typed.empty()) {
    const auto [becomes, length] = typedCharacter(typed);
    if (becomes == Typed::kept) clean.append(typed.substr(0, length));
    if (becomes == Typed::blank) clean.push_back(' ');
    typed.remove_prefix(length);
  }
  const std::size_t first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return clean.substr(first, clean.find_last_not_of(' ') - first + 1);
}

}  // namespace corvane
