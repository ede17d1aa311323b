#include "settings/patron.h"

#include <utility>

#include "base/name_table.h"
#include "settings/temple_settings.h"
#include "text/utf8.h"

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

Typed typedCharacter(char32_t c) {
  switch (c) {
    // The line breaks and the tab: CR LF is one break, so one blank.
    case U'\r':
    case U'\n':
    case U'\t':
    case U'\u0085':
    case U'\u2028':
    case U'\u2029':
      return Typed::blank;
    // The bidirectional controls, which could reverse a printed line.
    case U'\u061C':
    case U'\u200E':
    case U'\u200F':
    case U'\u202A':
    case U'\u202B':
    case U'\u202C':
    case U'\u202D':
    case U'\u202E':
    case U'\u2066':
    case U'\u2067':
    case U'\u2068':
    case U'\u2069':
      return Typed::dropped;
    default:
      break;
  }
  // The other control characters, C0, DEL and C1.
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return Typed::dropped;
  return Typed::kept;
}

}  // namespace

std::string cleanTypedPhrase(std::string_view typed) {
  std::string clean;
  clean.reserve(typed.size());
  for (std::size_t at = 0; at < typed.size();) {
    // Bytes that are not UTF-8 are kept one by one; whoever reads the phrase says so.
    const std::optional<Utf8Char> c = decodeUtf8At(typed, at);
    const std::size_t length = c ? c->length : 1;
    if (c && c->codePoint == U'\r' && typed.substr(at + 1, 1) == "\n") {
      clean.push_back(' ');
      at += 2;
      continue;
    }
    switch (c ? typedCharacter(c->codePoint) : Typed::kept) {
      case Typed::kept:
        clean.append(typed.substr(at, length));
        break;
      case Typed::blank:
        clean.push_back(' ');
        break;
      case Typed::dropped:
        break;
    }
    at += length;
  }
  const std::size_t first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return clean.substr(first, clean.find_last_not_of(' ') - first + 1);
}

}  // namespace corvane
