#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace corvane {

// When one of the parish's own commemorations falls: a date of the church
// calendar, read in the temple's calendar as every row of the saints' table
// is, or a number of days from Pascha.
struct CommemorationDay {
  bool fromPascha = false;
  int month = 0;           // 1 to 12, of a fixed date
  int day = 0;             // 1 to 31, of a fixed date
  int daysFromPascha = 0;  // -365 to 365, counted from Pascha
  friend bool operator==(const CommemorationDay&, const CommemorationDay&) = default;
};

inline constexpr int kMostDaysFromPascha = 365;

// "12-13" (MM-DD; one figure for the month or the day will do), "P+63",
// "P-7" (a 'p' will do); what is wrong otherwise.
[[nodiscard]] Result<CommemorationDay> readCommemorationDay(std::string_view written);
// "12-13", "P+63", "P-7", as the editors write it.
std::string commemorationDayText(const CommemorationDay& day);

// One commemoration of the parish: when it falls, and the phrase that names
// it in the dismissal, typed as the patron phrase is typed ("of our venerable
// father Herman, wonderworker of Alaska") and kept on one line by the same
// cleaning (cleanTypedPhrase).
struct LocalCommemoration {
  CommemorationDay day;
  std::string phrase;
  int line = 0;  // its line in the file, for what is said of it
};

// The parish's own commemorations, as the temple keeps them for every
// composition, in the order of their file. Empty for most temples.
struct LocalCommemorations {
  std::string fileName;  // as the rules name the file: "commemorations.txt"
  std::vector<LocalCommemoration> entries;
  bool empty() const { return entries.empty(); }
};

// "commemorations.txt", in the data folder; the page keeps one of the same
// format in the browser.
inline constexpr const char* kCommemorationsFileName = "commemorations.txt";

// One line of the file, kept as it stands so that writing the file again
// changes nothing the user did not change.
struct CommemorationLine {
  std::string text;                         // without its line break
  std::optional<LocalCommemoration> entry;  // when the line is a commemoration
  std::string problem;                      // why the line cannot be read; empty when it can
};

// The file, UTF-8 (a byte-order mark allowed), LF or CR LF, one commemoration
// a line, the day then the phrase, separated by blanks or tabs:
//   # the commemorations of our parish
//   12-13 of our venerable father Herman, wonderworker of Alaska
//   P+63 of all the saints who have shone forth in North America
// Empty lines and lines starting with '#' are comments. A line that cannot be
// read is kept, with what is wrong, and the others still apply.
struct CommemorationsFile {
  std::vector<CommemorationLine> lines;
  bool byteOrderMark = false;
  bool crLf = false;              // the line break of the file's first line
  bool endsWithLineBreak = true;  // as every file the editors write does
};

// Never fails: every line is read on its own.
CommemorationsFile readCommemorationsText(std::string_view bytes);
// The file's bytes: the lines as they stand, with the file's line break.
std::string commemorationsFileText(const CommemorationsFile& file);

// "12-13 of our venerable father Herman": a line as the editors write it.
std::string commemorationLineText(const CommemorationDay& day, std::string_view phrase);
// The line for a commemoration that the editors add or change, read back as
// every line is; the phrase is cleaned.
CommemorationLine commemorationLine(const CommemorationDay& day, std::string_view phrase);

// What the editors (the temple window's and the page's) do to the file.
// The first line of a list they begin, for whoever edits it by hand.
inline constexpr const char* kCommemorationsHeading =
    "# The parish's own commemorations, one a line: MM-DD (a date of the temple's calendar) or "
    "P+N (N days from Pascha), then the phrase as it should stand in the dismissal";
// The line for a day and a phrase as typed in an editor ("12-13", " p+63 "),
// or what is wrong with them.
[[nodiscard]] Result<CommemorationLine> typedCommemoration(std::string_view day,
                                                           std::string_view phrase);
// The rows an editor shows: the commemorations and the lines that cannot be
// read, in the order of the file; comments and empty lines are not shown.
struct CommemorationRowText {
  std::string day;      // "12-13"; of a line that cannot be read, its first word
  std::string phrase;   // the rest of the line
  std::string problem;  // why the line cannot be read; empty when it can
};
std::vector<CommemorationRowText> commemorationRows(const CommemorationsFile& file);
// The index among the file's lines of an editor's row; nothing past the last.
std::optional<std::size_t> lineOfRow(const CommemorationsFile& file, std::size_t row);
// Adds a line at the end, ending the last line if it had no line break; a
// list begun so opens with kCommemorationsHeading.
void appendCommemoration(CommemorationsFile& file, CommemorationLine line);

// The commemorations of the file, each with its line, as the temple keeps
// them; `fileName` is the name the rules give the file.
LocalCommemorations commemorationsOf(const CommemorationsFile& file, std::string fileName);
// Every line that cannot be read, one a line, "FILE:LINE: what is wrong"
// ("commemorations.txt:3: '02-30' is not a day of the year"), in the order of
// the file.
std::vector<std::string> commemorationProblems(const CommemorationsFile& file,
                                               std::string_view fileName);

}  // namespace corvane
