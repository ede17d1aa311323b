#include "text/line_breaks.h"

#include <algorithm>

namespace corvane {

void appendWithLineBreaks(std::string& out, std::string_view text, std::string_view lineBreak) {
  if (lineBreak == "\n") {
    // A line feed stays as it is: only a carriage return before one goes.
    for (std::size_t stop; (stop = text.find('\r')) != std::string_view::npos;) {
      const bool lineBreakFollows = stop + 1 < text.size() && text[stop + 1] == '\n';
      out.append(text.substr(0, lineBreakFollows ? stop : stop + 1));
      text.remove_prefix(stop + 1);
    }
    out.append(text);
    return;
  }
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

}  // namespace corvane
