#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Appends the text as a JSON string, quotes included, exactly as the JSON
// library writes it: " and \ escaped, the control characters as \b \f \n \r
// \t or \u00XX, every other character (UTF-8, already checked) as it is.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace corvane
