#include "window_logic/commemorations_editor.h"

#include <utility>

#include "calendar/pascha.h"
#include "composer/compose.h"
#include "saved_temple/saved_commemorations.h"
#include "state/church_date.h"

namespace corvane {

namespace {

// Enough to undo a session's work, without keeping every list ever edited.
constexpr std::size_t kMostUndone = 100;
// The most lines a message names; the file keeps them all.
constexpr std::size_t kMostShown = 10;
// Every date of the church year comes round within four years, 29 February too.
constexpr days kLookAhead{4 * 366 + 1};

// The lines that cannot be read, as many as a message shows, and what
// becomes of them.
std::string problemsText(const std::vector<std::string>& problems) {
  std::string text;
  for (std::size_t i = 0; i < problems.size() && i < kMostShown; ++i) {
    if (!text.empty()) text += '\n';
    text += problems[i];
  }
  if (problems.size() > kMostShown) {
    text += "\n… and " + std::to_string(problems.size() - kMostShown) + " more lines";
  }
  if (problems.size() == 1) {
    return text + ". The line is kept in the file as it stands; the other commemorations apply.";
  }
  return text + "\nThese lines are kept in the file as they stand; the other commemorations apply.";
}

// "Saturday, December 13, 2025", with what it gives way to on that day, at
// Orthros, where it does.
std::string nextText(const LocalCommemoration& commemoration, TempleCalendar calendar, Date today,
                     const LongDateFormat& longDate) {
  const std::optional<Date> next = nextDayOf(commemoration.day, calendar, today);
  if (!next) return "falls on no day in the next four years";
  TempleSettings alone;
  alone.calendar = calendar;
  alone.commemorations.entries.push_back(commemoration);
  const Dismissal composed =
      compose({*next, Service::orthros, false}, alone, {.warning = false, .explanation = true});
  std::string text = longDate(*next);
  for (const LocalCommemorationOfTheDay& each : composed.explanation->localCommemorations) {
    if (!each.gaveWayTo.empty()) text += ": gives way to " + std::string{each.gaveWayTo};
  }
  return text;
}

}  // namespace

std::optional<Date> nextDayOf(const CommemorationDay& day, TempleCalendar calendar, Date from) {
  int yearOfDates = 0;
  MovableDates movable{};
  for (Date date = from; date < from + kLookAhead && date <= kLastSupportedDate; date += days{1}) {
    const ChurchDate church = churchDateOf(date, calendar);
    if (!day.fromPascha) {
      if (church.month == day.month && church.day == day.day) return date;
      continue;
    }
    // The movable dates of the church year, as the compositions reckon them.
    if (church.year != yearOfDates) {
      yearOfDates = church.year;
      movable = movableDatesOf(church.year, calendar);
    }
    if (date == movable.pascha + days{day.daysFromPascha}) return date;
  }
  return std::nullopt;
}

CommemorationsEditor::CommemorationsEditor(std::filesystem::path file, TempleSettings& temple,
                                           Report report)
    : file_(std::move(file)), temple_(temple), report_(std::move(report)) {}

void CommemorationsEditor::load() {
  read(true);
}

void CommemorationsEditor::reload() {
  read(false);
}

void CommemorationsEditor::read(bool reportProblems) {
  undo_.clear();
  notice_.clear();
  if (file_.empty()) return;  // no data folder: nothing to keep
  const Result<std::optional<CommemorationsFile>> read = readCommemorationsFile(file_);
  if (!read) {
    mayChange_ = false;
    lines_ = {};
    temple_.commemorations = {};
    notice_ = read.error() +
              ". The file is kept as it is: no commemoration of it applies, and nothing is "
              "saved over it until it can be read.";
  } else {
    mayChange_ = true;
    lines_ = read->value_or(CommemorationsFile{});
    giveToTheTemple();
    const std::vector<std::string> problems = commemorationProblems(lines_, file_.string());
    if (!problems.empty()) notice_ = problemsText(problems);
  }
  if (reportProblems && !notice_.empty()) report_(notice_);
}

void CommemorationsEditor::giveToTheTemple() {
  temple_.commemorations = commemorationsIn(lines_, file_).list;
}

std::vector<CommemorationRow> CommemorationsEditor::rows(Date today, TempleCalendar calendar,
                                                         const LongDateFormat& longDate) const {
  std::vector<CommemorationRow> rows;
  std::size_t shown = 0;
  for (CommemorationRowText& row : commemorationRows(lines_)) {
    const CommemorationLine& line = lines_.lines[lineOfRow(lines_, shown++).value()];
    const bool readable = row.problem.empty();
    rows.push_back({.day = std::move(row.day),
                    .phrase = std::move(row.phrase),
                    .next = readable ? nextText(*line.entry, calendar, today, longDate)
                                     : "cannot be read: " + row.problem,
                    .readable = readable});
  }
  return rows;
}

Done CommemorationsEditor::add(std::string_view day, std::string_view phrase) {
  if (!mayChange_) return Failure{notice_};
  Result<CommemorationLine> line = typedCommemoration(day, phrase);
  if (!line) return Failure{line.error()};
  CommemorationsFile before = lines_;
  appendCommemoration(lines_, std::move(*line));
  changed(std::move(before));
  return {};
}

Done CommemorationsEditor::change(std::size_t row, std::string_view day, std::string_view phrase) {
  if (!mayChange_) return Failure{notice_};
  const std::optional<std::size_t> index = lineOfRow(lines_, row);
  if (!index) return {};
  Result<CommemorationLine> line = typedCommemoration(day, phrase);
  if (!line) return Failure{line.error()};
  if (line->text == lines_.lines[*index].text) return {};
  CommemorationsFile before = lines_;
  lines_.lines[*index] = std::move(*line);
  changed(std::move(before));
  return {};
}

void CommemorationsEditor::remove(std::size_t row) {
  if (!mayChange_) return;
  const std::optional<std::size_t> index = lineOfRow(lines_, row);
  if (!index) return;
  CommemorationsFile before = lines_;
  lines_.lines.erase(lines_.lines.begin() + static_cast<std::ptrdiff_t>(*index));
  changed(std::move(before));
}

void CommemorationsEditor::undo() {
  if (undo_.empty()) return;
  lines_ = std::move(undo_.back());
  undo_.pop_back();
  saved();
}

void CommemorationsEditor::changed(CommemorationsFile before) {
  if (undo_.size() == kMostUndone) undo_.erase(undo_.begin());
  undo_.push_back(std::move(before));
  saved();
}

void CommemorationsEditor::saved() {
  giveToTheTemple();
  if (const Done written = writeCommemorationsFile(file_, lines_); !written) {
    report_(written.error() + ". The change applies until the program ends.");
  }
  // The lines that could not be read and are now mended or removed are no longer said.
  const std::vector<std::string> problems = commemorationProblems(lines_, file_.string());
  notice_ = problems.empty() ? std::string{} : problemsText(problems);
}

}  // namespace corvane
