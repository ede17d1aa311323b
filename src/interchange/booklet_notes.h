#pragma once

#include <string_view>

namespace corvane {

// Beside an Evening Divine Liturgy of St. Basil chosen for a booklet, in the
// windows and on the page: the Vesperal Liturgy of those days is that day's
// own Liturgy, and takes no evening choice.
inline constexpr std::string_view kVesperalBookletNote =
    "NOTE: The Vesperal Liturgy of Holy Thursday, Holy Saturday and the Paramons of Nativity and "
    "Theophany is the Divine Liturgy of St. Basil the Great, without the evening choice.";

}  // namespace corvane
