#pragma once

#include <string>

#include "composer/booklet.h"

namespace corvane {

// An entry as the booklet's list shows it: "Sat, Dec 12, 2026 - Great Vespers".
std::string bookletLabel(const ServiceRequest& entry);

}  // namespace corvane
