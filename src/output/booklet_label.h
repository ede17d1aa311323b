#pragma once

#include <string>

#include "composer/booklet.h"

namespace corvane {

// The service as the booklet's list names it: "Great Vespers",
// "Evening Divine Liturgy of St. Basil the Great".
std::string serviceTitle(Service service, bool evening);

// An entry as the booklet's list shows it: "Sat, Dec 12, 2026 - Great Vespers".
std::string bookletLabel(const BookletEntry& entry);

}  // namespace corvane
