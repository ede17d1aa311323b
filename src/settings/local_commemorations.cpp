#include "settings/local_commemorations.h"

#include <charconv>
#include <chrono>

#include "base/messages.h"
#include "settings/patron.h"
#include "text/utf8.h"

namespace corvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

constexpr const char* kHowToWriteADay =
    ": write MM-DD (12-13), or P+N or P-N for N days from Pascha (P+63)";

// What the user wrote, quoted for a message on one line.
std::string quoted(std::string_view written) {
  return inQuotes(cleanTypedPhrase(written));
}

// A number of one to `most` figures, the whole text; nothing otherwise.
std::optional<int> figures(std::string_view text, std::size_t most) {
  if (text.empty() || text.size() > most) return std::nullopt;
  if (text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

Result<CommemorationDay> fromPascha(std::string_view written) {
  const std::string_view count = written.substr(2);
  const std::optional<int> days = written.size() > 2 && (written[1] == '+' || written[1] == '-')
                                      ? figures(count, 3)
                                      : std::nullopt;
  if (!days) return Failure{quoted(written) + " is not a day" + kHowToWriteADay};
  if (*days > kMostDaysFromPascha) {
    return Failure{quoted(written) + ": at most " + std::to_string(kMostDaysFromPascha) +
                   " days from Pascha"};
  }
  return CommemorationDay{.fromPascha = true, .daysFromPascha = written[1] == '-' ? -*days : *days};
}

// The line without its leading and trailing blanks.
std::string_view trimmed(std::string_view line) {
  const std::size_t first = line.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

CommemorationLine lineOf(std::string text) {
  CommemorationLine line{.text = std::move(text), .entry = {}, .problem = {}};
  const std::string_view content = trimmed(line.text);
  if (content.empty() || content.starts_with('#')) return line;
  if (!isValidUtf8(content)) {
    line.problem = "the line is not UTF-8 text (save the file as UTF-8)";
    return line;
  }
  const std::size_t end = content.find_first_of(kBlanks);
  const std::string_view written = content.substr(0, end);
  const Result<CommemorationDay> day = readCommemorationDay(written);
  if (!day) {
    line.problem = day.error();
    return line;
  }
  std::string phrase =
      cleanTypedPhrase(end == std::string_view::npos ? std::string_view{} : content.substr(end));
  if (phrase.empty()) {
    line.problem = "no phrase after " + quoted(written) +
                   ": type it as it should stand in the dismissal, beginning with \"of\"";
    return line;
  }
  line.entry = LocalCommemoration{.day = *day, .phrase = std::move(phrase), .line = 0};
  return line;
}

}  // namespace

Result<CommemorationDay> readCommemorationDay(std::string_view written) {
  if (written.starts_with('P') || written.starts_with('p')) return fromPascha(written);
  const std::size_t dash = written.find('-');
  const std::optional<int> month =
      dash == std::string_view::npos ? std::nullopt : figures(written.substr(0, dash), 2);
  const std::optional<int> day =
      dash == std::string_view::npos ? std::nullopt : figures(written.substr(dash + 1), 2);
  if (!month || !day) return Failure{quoted(written) + " is not a day" + kHowToWriteADay};
  const std::chrono::month_day date{std::chrono::month{static_cast<unsigned>(*month)},
                                    std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) return Failure{quoted(written) + " is not a day of the year"};
  return CommemorationDay{.fromPascha = false, .month = *month, .day = *day};
}

std::string commemorationDayText(const CommemorationDay& day) {
  if (day.fromPascha) {
    return std::string{day.daysFromPascha < 0 ? "P-" : "P+"} +
           std::to_string(day.daysFromPascha < 0 ? -day.daysFromPascha : day.daysFromPascha);
  }
  const auto twoFigures = [](int value) {
    return std::string(value < 10 ? "0" : "") + std::to_string(value);
  };
  return twoFigures(day.month) + "-" + twoFigures(day.day);
}

CommemorationsFile readCommemorationsText(std::string_view bytes) {
  CommemorationsFile file;
  file.byteOrderMark = bytes.starts_with(kByteOrderMark);
  if (file.byteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
  file.endsWithLineBreak = bytes.empty() || bytes.ends_with('\n');
  for (bool first = true; !bytes.empty(); first = false) {
    const std::size_t end = bytes.find('\n');
    std::string_view text = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    const bool crLf = end != std::string_view::npos && text.ends_with('\r');
    if (first) file.crLf = crLf;
    if (crLf) text.remove_suffix(1);
    file.lines.push_back(lineOf(std::string{text}));
  }
  return file;
}

std::string commemorationsFileText(const CommemorationsFile& file) {
  const std::string_view lineBreak = file.crLf ? "\r\n" : "\n";
  std::string text = file.byteOrderMark ? std::string{kByteOrderMark} : std::string{};
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    text += file.lines[i].text;
    if (i + 1 < file.lines.size() || file.endsWithLineBreak) text += lineBreak;
  }
  return text;
}

std::string commemorationLineText(const CommemorationDay& day, std::string_view phrase) {
  return commemorationDayText(day) + " " + cleanTypedPhrase(phrase);
}

CommemorationLine commemorationLine(const CommemorationDay& day, std::string_view phrase) {
  return lineOf(commemorationLineText(day, phrase));
}

Result<CommemorationLine> typedCommemoration(std::string_view day, std::string_view phrase) {
  const std::string_view written = trimmed(day);
  if (written.empty()) {
    return Failure{std::string{"Type the day"} + kHowToWriteADay};
  }
  const Result<CommemorationDay> read = readCommemorationDay(written);
  if (!read) return Failure{read.error()};
  CommemorationLine line = commemorationLine(*read, phrase);
  if (!line.problem.empty()) return Failure{line.problem};
  return line;
}

std::vector<CommemorationRowText> commemorationRows(const CommemorationsFile& file) {
  std::vector<CommemorationRowText> rows;
  for (const CommemorationLine& line : file.lines) {
    if (line.entry) {
      rows.push_back({.day = commemorationDayText(line.entry->day),
                      .phrase = line.entry->phrase,
                      .problem = {}});
    } else if (!line.problem.empty()) {
      // The first word and the rest, each on one line.
      const std::string_view content = trimmed(line.text);
      const std::size_t end = content.find_first_of(kBlanks);
      rows.push_back({.day = cleanTypedPhrase(content.substr(0, end)),
                      .phrase = end == std::string_view::npos
                                    ? std::string{}
                                    : cleanTypedPhrase(content.substr(end)),
                      .problem = line.problem});
    }
  }
  return rows;
}

std::optional<std::size_t> lineOfRow(const CommemorationsFile& file, std::size_t row) {
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    if (!file.lines[i].entry && file.lines[i].problem.empty()) continue;
    if (row == 0) return i;
    --row;
  }
  return std::nullopt;
}

void appendCommemoration(CommemorationsFile& file, CommemorationLine line) {
  if (file.lines.empty()) {
    file.lines.push_back({.text = kCommemorationsHeading, .entry = {}, .problem = {}});
  }
  file.lines.push_back(std::move(line));
  file.endsWithLineBreak = true;
}

LocalCommemorations commemorationsOf(const CommemorationsFile& file, std::string fileName) {
  LocalCommemorations list{.fileName = std::move(fileName), .entries = {}};
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    if (!file.lines[i].entry) continue;
    list.entries.push_back(*file.lines[i].entry);
    list.entries.back().line = static_cast<int>(i) + 1;
  }
  return list;
}

std::vector<std::string> commemorationProblems(const CommemorationsFile& file,
                                               std::string_view fileName) {
  std::vector<std::string> problems;
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    if (file.lines[i].problem.empty()) continue;
    problems.push_back(std::string{fileName} + ":" + std::to_string(i + 1) + ": " +
                       file.lines[i].problem);
  }
  return problems;
}

}  // namespace corvane
