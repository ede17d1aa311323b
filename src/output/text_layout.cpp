#include "output/text_layout.h"

namespace corvane {

namespace {

// Appends text with each of its line breaks (LF or CR LF) written as `lineBreak`.
void appendLines(std::string& out, std::string_view text, std::string_view lineBreak) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n') {
      out.append(lineBreak);
    } else {
      out.push_back(text[i]);
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

std::string dateLine(const Dismissal& dismissal, const LongDateFormat& longDate) {
  std::string line = longDate(dismissal.pickedDate);
  if (!dismissal.dayTitle.empty()) {
    line.append(" - ");
    line.append(dismissal.dayTitle);
  }
  return line;
}

std::vector<std::string_view> boldClauses(const Dismissal& dismissal) {
  std::vector<std::string_view> clauses;
  const auto add = [&](Slot slot) {
    const std::string& text = dismissal.slot(slot).text;
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
  out.append(dateLine(dismissal, longDate));
  out.append(lineBreak);
  out.append(dismissal.serviceHeading);
  out.append(lineBreak);
  out.append(lineBreak);
  appendLines(out, dismissal.dismissalText, lineBreak);
  out.append(lineBreak);
  out.append(lineBreak);
  appendLines(out, dismissal.endingText, lineBreak);
  return out;
}

}  // namespace corvane
