#pragma once

#include <string>
#include <vector>

#include "base/result.h"
#include "output/docx_parts.h"

namespace corvane {

// The zip container of the parts, in their order, every entry stamped
// 1 January 1980, so that the same parts always give the same bytes.
[[nodiscard]] Result<std::string> docxPackage(const std::vector<PackagePart>& parts);

}  // namespace corvane
