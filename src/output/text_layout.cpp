#include "output/text_layout.h"

#include "text/line_breaks.h"

namespace corvane {

namespace {

void appendDayTitle(std::string& out, const Dismissal& dismissal) {
  if (!dismissal.dayTitle.empty()) {
    out.append(" - ");
    out.append(dismissal.dayTitle);
  }
}

void appendDateLine(std::string& out, const Dismissal& dismissal, const LongDateFormat& longDate) {
  out.append(longDate(dismissal.request.served));
  appendDayTitle(out, dismissal);
}

// The lines after the date line.
void appendBelowDateLine(std::string& out, const Dismissal& dismissal, std::string_view lineBreak) {
  out.append(lineBreak);
  out.append(dismissal.serviceHeading);
  out.append(lineBreak);
  out.append(lineBreak);
  appendWithLineBreaks(out, dismissal.dismissalText, lineBreak);
  out.append(lineBreak);
  out.append(lineBreak);
  appendWithLineBreaks(out, dismissal.endingText, lineBreak);
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
  appendBelowDateLine(out, dismissal, lineBreak);
}

void appendTextLayout(std::string& out, const Dismissal& dismissal, AppendLongDate appendLongDate,
                      std::string_view lineBreak) {
  appendLongDate(out, dismissal.request.served);
  appendDayTitle(out, dismissal);
  appendBelowDateLine(out, dismissal, lineBreak);
}

}  // namespace corvane
