#include "output/text_layout.h"

#include <algorithm>

namespace corvane {

namespace {

// Appends text with each of its line breaks (LF or CR LF) written as
// `lineBreak`, a stretch between breaks at a time.
void appendLines(std::string& out, std::string_view text, std::string_view lineBreak) {
  while (!text.empty()) {
    // Two searches for one character each: far quicker than a search for either.
    const std::size_t stop = std::min(text.find('\n'), text.find('\r'));
    if (stop == std::string_view::npos) {
      out.append(text);
      return;
    }
    out.append(text.substr(0, stop));
    if (text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') {
      out.append(lineBreak);
      text.remove_prefix(stop + 2);
    } else if (text[stop] == '\n') {
      out.append(lineBreak);
      text.remove_prefix(stop + 1);
    } else {
      out.push_back('\r');  // a carriage return alone is not a line break here
      text.remove_prefix(stop + 1);
    }
  }
}

}  // namespace

std::string withLineBreaks(std::string_view text, std::string_view lineBreak) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  appendLines(out, text, lineBreak);
  return out;
}

namespace {

void appendDateLine(std::string& out, const Dismissal& dismissal, const LongDateFormat& longDate) {
  out.append(longDate(dismissal.request.served));
  if (!dismissal.dayTitle.empty()) {
    out.append(" - ");
    out.append(dismissal.dayTitle);
  }
}

}  // namespace

std::string dateLine(const Dismissal& dismissal, const LongDateFormat& longDate) {
  std::string line;
  appendDateLine(line, dismissal, longDate);
  return line;
}

std::vector<std::string_view> boldClauses(const Dismissal& dismissal) {
  std::vector<std::string_view> clauses;
  const auto add = [&](Slot slot) {
    const std::string& text = dismissal.slotText(slot);
    if (!text.empty()) clauses.push_back(text);
  };
  if (dismissal.dailyService) add(Slot::weekdayClause);
  for (Slot slot : {Slot::feastClause, Slot::risenClause, Slot::theotokosClause, Slot::crossClause,
                    Slot::forerunnerClause, Slot::patronClause, Slot::liturgyAuthorClause,
                    Slot::saintsClause, Slot::ancestorsClause}) {
    add(slot);
  }
  return clauses;
}

std::string textLayout(const Dismissal& dismissal, const LongDateFormat& longDate,
                       std::string_view lineBreak) {
  std::string out;
  out.reserve(dismissal.dismissalText.size() + dismissal.endingText.size() + 160);
  appendTextLayout(out, dismissal, longDate, lineBreak);
  return out;
}

void appendTextLayout(std::string& out, const Dismissal& dismissal, const LongDateFormat& longDate,
                      std::string_view lineBreak) {
  appendDateLine(out, dismissal, longDate);
  out.append(lineBreak);
  out.append(dismissal.serviceHeading);
  out.append(lineBreak);
  out.append(lineBreak);
  appendLines(out, dismissal.dismissalText, lineBreak);
  out.append(lineBreak);
  out.append(lineBreak);
  appendLines(out, dismissal.endingText, lineBreak);
}

}  // namespace corvane
