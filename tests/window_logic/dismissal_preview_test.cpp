#include "window_logic/dismissal_preview.h"

#include <gtest/gtest.h>

#include "state/english_date.h"
#include "support/temporary_folder.h"
#include "window_logic/booklet_list.h"
#include "window_logic/main_window_logic.h"

namespace corvane {
namespace {

using namespace std::chrono;

const std::string kSundayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil the Great "
    "is appointed.";

// The date stage as the window drives it: the preview carries the warning
// for the notice above it, and loses it as the service or the date changes.
TEST(DismissalPreview, TheWarningFollowsTheServiceAndTheDate) {
  ServiceRequest request;
  MainWindowLogic logic{request, [](const std::string&, const std::string&) { return false; }};
  const TempleSettings temple;
  logic.select(ServiceOption::divineLiturgy);
  logic.select(ServiceOption::presanctified);
  logic.continueToDate(2026y / March / 1);
  DismissalPreview preview = previewDismissal(request, temple, englishLongDate);
  EXPECT_EQ(preview.warning, kSundayOfLent);
  EXPECT_EQ(preview.appointedEucharist,
            "Eucharist appointed on Sunday, March 1, 2026: the Divine Liturgy of St. Basil the "
            "Great (Sundays of Great Lent)");
  // Composed all the same, and nothing of the warning in what the outputs hold.
  EXPECT_TRUE(preview.plainText.starts_with(
      "Sunday, March 1, 2026\n-- Liturgy of the Presanctified Gifts --\n"));
  EXPECT_EQ(preview.plainText.find("is appointed"), std::string::npos);

  logic.changeDate(2026y / March / 2);
  EXPECT_EQ(previewDismissal(request, temple, englishLongDate).warning, std::nullopt);
  logic.changeDate(2026y / March / 1);
  EXPECT_TRUE(previewDismissal(request, temple, englishLongDate).warning);

  logic.selectDifferentService(2026y / March / 1);
  logic.select(ServiceOption::orthros);
  logic.continueToDate(2026y / March / 1);
  preview = previewDismissal(request, temple, englishLongDate);
  EXPECT_EQ(preview.warning, std::nullopt);
  EXPECT_EQ(preview.appointedEucharist,
            "Eucharist appointed on Sunday, March 1, 2026: the Divine Liturgy of St. Basil the "
            "Great (Sundays of Great Lent)");
}

// The booklet's list marks the entries whose day appoints another service,
// in the temple's calendar: civil 19 January 2026 is Theophany in an
// old-calendar temple, a Monday like any other in a new-calendar one.
TEST(DismissalPreview, TheBookletSaysWhichEntriesDrawAWarning) {
  testing::TemporaryFolder folder;
  BookletList list{folder.path() / "booklet.txt", [](const std::string&) {}};
  list.load();
  ASSERT_TRUE(list.add({2026y / March / 2, Service::presanctified, false}));
  ASSERT_TRUE(list.add({2026y / March / 1, Service::presanctified, false}));
  ASSERT_TRUE(list.add({2026y / January / 19, Service::basil, false}));
  TempleSettings temple;
  const std::string mondayOfTheophany =
      "On Monday, January 19, 2026, the Divine Liturgy of St. John Chrysostom is appointed, not "
      "the Divine Liturgy of St. Basil the Great.";
  EXPECT_EQ(list.warnings(temple), (std::vector<std::optional<std::string>>{
                                       mondayOfTheophany, kSundayOfLent, std::nullopt}));
  temple.calendar = TempleCalendar::oldCalendar;
  EXPECT_EQ(list.warnings(temple),
            (std::vector<std::optional<std::string>>{std::nullopt, kSundayOfLent, std::nullopt}));
}

}  // namespace
}  // namespace corvane
