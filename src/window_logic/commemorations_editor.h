#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "output/text_layout.h"
#include "settings/local_commemorations.h"
#include "settings/temple_settings.h"
#include "state/date.h"

namespace corvane {

// A row of the editor's table: a commemoration, or a line of the file that
// cannot be read, shown so that it can be mended or removed.
struct CommemorationRow {
  std::string day;     // "12-13", "P+63"; a line that cannot be read: its first word
  std::string phrase;  // the rest of the line
  // "Saturday, December 13, 2025", "Sunday, April 5, 2026: gives way to Palm
  // Sunday"; for a line that cannot be read, what is wrong with it.
  std::string next;
  bool readable = true;
};

// The temple window's "Our Own Commemorations…": the list of the parish's
// own commemorations in "commemorations.txt", which every composition of the
// temple names. Each change is saved at once, durably, and given to the
// temple; the lines the editor does not show (comments, empty lines) and those
// it cannot read are kept as they stand, so nothing the user wrote is lost.
class CommemorationsEditor {
 public:
  using Report = std::function<void(const std::string& message)>;

  CommemorationsEditor(std::filesystem::path file, TempleSettings& temple, Report report);

  // At start: the file read, and the temple's list with it. Lines that cannot
  // be read are reported once, each named, and stay in the file as they are;
  // the others apply. A file that cannot be read at all is reported and left
  // as it is: the editor then changes nothing, so that nothing is saved over it.
  void load();
  // The same when the editor opens, in case the file was edited by hand;
  // what is wrong stays in notice() instead of being reported.
  void reload();

  const std::filesystem::path& file() const { return file_; }
  // What the editor says above its table: the lines that cannot be read, or
  // why the file cannot be read; empty when all is well.
  const std::string& notice() const { return notice_; }
  bool mayChange() const { return mayChange_; }

  // The commemorations and the lines that cannot be read, in the order of the
  // file, each with the next day on or after `today` on which it falls in
  // `calendar`, the one the window shows.
  std::vector<CommemorationRow> rows(Date today, TempleCalendar calendar,
                                     const LongDateFormat& longDate) const;

  // Adds a commemoration at the end, the day written as in the file ("12-13",
  // "P+63") and the phrase cleaned as a typed phrase is; a change of a row,
  // which mends a line that could not be read. Refused, with what is wrong,
  // for a day or a phrase that cannot stand in the file.
  [[nodiscard]] Done add(std::string_view day, std::string_view phrase);
  [[nodiscard]] Done change(std::size_t row, std::string_view day, std::string_view phrase);
  void remove(std::size_t row);

  // The list as it stood before the last change, brought back and saved.
  bool canUndo() const { return !undo_.empty(); }
  void undo();

 private:
  void read(bool reportProblems);
  void changed(CommemorationsFile before);
  // Written to the file and given to the temple.
  void saved();
  void giveToTheTemple();

  std::filesystem::path file_;
  TempleSettings& temple_;
  Report report_;
  CommemorationsFile lines_;
  std::vector<CommemorationsFile> undo_;
  std::string notice_;
  bool mayChange_ = true;
};

// The next day on or after `from` on which a commemoration falls in the
// temple's calendar (a liturgical day: Vespers of the eve belongs to it);
// nothing when it falls on none in the next four years.
std::optional<Date> nextDayOf(const CommemorationDay& day, TempleCalendar calendar, Date from);

}  // namespace corvane
