#include "output/text_layout.h"

#include <utility>

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

namespace {

// The weekday's intercession stands in the sentence only at the daily services.
std::vector<std::string> boldClausesOf(const DismissalState& state) {
  std::vector<std::string> clauses;
  const auto add = [&clauses](const std::string& clause) {
    if (!clause.empty()) clauses.push_back(clause);
  };
  if (state.dailyVespers || state.dailyOrthros) add(state.weekdayClause);
  for (const std::string* clause :
       {&state.feastClause, &state.risenClause, &state.theotokosClause, &state.crossClause,
        &state.forerunnerClause, &state.patronClause, &state.liturgyAuthorClause,
        &state.saintsClause, &state.ancestorsClause}) {
    add(*clause);
  }
  return clauses;
}

}  // namespace

ComposedDismissal composedFrom(const DismissalState& state, const TempleSettings& settings,
                               const LongDateFormat& longDate) {
  return ComposedDismissal{
      .longDate = longDate(state.serviceDate),
      .dayTitle = state.dayTitle,
      .serviceHeading = state.serviceHeading,
      .dismissalText = settings.dismissalText,
      .endingText = state.endingText,
      .paschalEnding = state.isPaschalSeason,
      .boldClauses = boldClausesOf(state),
  };
}

std::string textLayout(const ComposedDismissal& dismissal, std::string_view lineBreak) {
  std::string out;
  out.reserve(dismissal.dismissalText.size() + dismissal.endingText.size() + 160);
  out.append(dismissal.longDate);
  if (!dismissal.dayTitle.empty()) {
    out.append(" - ");
    out.append(dismissal.dayTitle);
  }
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
