#include "saved_temple/temple_ini.h"

#include "base/messages.h"
#include "base/name_table.h"

namespace corvane {

namespace {

constexpr std::string_view kTyped = "typed";
constexpr std::string_view kSection = "temple";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kNotASettingsFile = "it is not a settings file";

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A value as the INI reader of the earlier versions gave it: the text between
// double quotes, or up to a comment.
std::string_view valueOf(std::string_view raw) {
  raw = trimmed(raw);
  if (raw.size() >= 2 && raw.front() == '"') {
    const std::size_t closing = raw.find('"', 1);
    if (closing != std::string_view::npos) return raw.substr(1, closing - 1);
  }
  return trimmed(raw.substr(0, raw.find(';')));
}

// The next line, ended by LF, CR LF or CR.
std::string_view nextLine(std::string_view& text) {
  const std::size_t end = text.find_first_of("\r\n");
  const std::string_view line = text.substr(0, end);
  if (end == std::string_view::npos) {
    text = {};
  } else {
    text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
  }
  return line;
}

}  // namespace

std::string_view patronChoiceName(Patron patron) {
  return patron == Patron::typed ? kTyped : patronName(patron);
}

std::optional<Patron> patronChoiceFromName(std::string_view name) {
  if (name == kTyped) return Patron::typed;
  return patronFromName(name);
}

std::string templeIniText(const TempleChoices& choices) {
  std::string text = "[temple]\ncalendar=";
  text += calendarName(choices.calendar);
  text += "\npatron=";
  text += patronChoiceName(choices.patron);
  text += '\n';
  return text;
}

Result<std::optional<TempleChoices>> readTempleIni(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::optional<std::string> calendar, patron;
  bool inTemple = false;
  for (int number = 1; !text.empty(); ++number) {
    const std::string_view line = trimmed(nextLine(text));
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']') return Failure{std::string{kNotASettingsFile}};
      inTemple = asciiLowercase(trimmed(line.substr(1, line.size() - 2))) == kSection;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return Failure{std::string{kNotASettingsFile} + " (line " + std::to_string(number) + ")"};
    }
    if (!inTemple) continue;
    const std::string name = asciiLowercase(trimmed(line.substr(0, equals)));
    const std::string_view value = valueOf(line.substr(equals + 1));
    if (name == "calendar") calendar = std::string{value};
    if (name == "patron") patron = std::string{value};
  }
  if (!calendar && !patron) return std::nullopt;

  TempleChoices choices;
  if (calendar) {
    const std::optional<TempleCalendar> known = calendarFromName(asciiLowercase(*calendar));
    if (!known) return Failure{"unknown calendar " + inQuotes(*calendar)};
    choices.calendar = *known;
  }
  if (patron) {
    const std::optional<Patron> known = patronChoiceFromName(asciiLowercase(*patron));
    if (!known) return Failure{"unknown patron " + inQuotes(*patron)};
    choices.patron = *known;
  }
  return choices;
}

}  // namespace corvane
