#include "calendar/great_feasts.h"

namespace corvane {

namespace {

// clang-format off
constexpr GreatFeast kGreatFeasts[] = {
  {9, 8,   "the Nativity of the Theotokos"},
  {9, 14,  "the Elevation of the Holy Cross"},
  {11, 21, "the Entry of the Theotokos into the Temple"},
  {12, 25, "the Nativity of Our Lord"},
  {1, 6,   "Theophany"},
  {2, 2,   "the Meeting of Our Lord"},
  {3, 25,  "the Annunciation"},
  {8, 6,   "the Transfiguration"},
  {8, 15,  "the Dormition of the Theotokos"},
};
// clang-format on

}  // namespace

const GreatFeast* greatFeastOn(int month, int day) {
  for (const GreatFeast& feast : kGreatFeasts) {
    if (feast.month == month && feast.day == day) return &feast;
  }
  return nullptr;
}

}  // namespace corvane
