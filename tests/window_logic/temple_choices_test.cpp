#include "window_logic/temple_choices.h"

#include <gtest/gtest.h>

#include "support/temporary_folder.h"
#include "window_logic/temple_window_logic.h"

namespace corvane {
namespace {

// A store in memory that records what it was given.
class FakeStore final : public TempleChoicesStore {
 public:
  std::optional<TempleChoices> stored;
  std::string loadProblem;
  std::vector<TempleChoices> saved;
  Result<std::optional<TempleChoices>> load() override {
    if (!loadProblem.empty()) return Failure{loadProblem};
    return stored;
  }
  Done save(const TempleChoices& choices) override {
    saved.push_back(choices);
    return {};
  }
};

TEST(TempleChoices, RestoredAtStartAndRememberedOnContinue) {
  testing::TemporaryFolder folder;
  TempleSettings settings;
  std::vector<std::string> reports;
  FakeStore store;
  store.stored = TempleChoices{TempleCalendar::oldCalendar, Patron::cross};
  TempleWindowLogic logic{settings, PatronFile{folder.path() / "inpat.txt"},
                          [&](const std::string& message) { reports.push_back(message); }, &store};
  logic.restoreChoices();
  logic.shown();
  EXPECT_EQ(logic.controls().calendar, TempleCalendar::oldCalendar);
  EXPECT_EQ(logic.controls().selected, Patron::cross);
  EXPECT_TRUE(store.saved.empty());
  logic.setCalendar(TempleCalendar::newCalendar);
  EXPECT_EQ(logic.continuePressed(), TempleWindowLogic::Outcome::goOn);
  EXPECT_EQ(settings.calendar, TempleCalendar::newCalendar);
  ASSERT_EQ(store.saved.size(), 1u);
  EXPECT_EQ(store.saved[0], (TempleChoices{TempleCalendar::newCalendar, Patron::cross}));
  EXPECT_TRUE(reports.empty());

  // A problem is said once; nothing is written while the user stays.
  FakeStore damaged;
  damaged.loadProblem = "Cannot read the temple's settings";
  TempleWindowLogic second{settings, PatronFile{folder.path() / "inpat.txt"},
                           [&](const std::string& message) { reports.push_back(message); },
                           &damaged};
  second.restoreChoices();
  second.shown();
  EXPECT_EQ(reports, std::vector<std::string>{"Cannot read the temple's settings"});
  EXPECT_EQ(second.controls().calendar, TempleCalendar::newCalendar);
  EXPECT_EQ(second.continuePressed(), TempleWindowLogic::Outcome::stay);  // no phrase yet
  EXPECT_TRUE(damaged.saved.empty());
}

TEST(TempleChoices, NamesInTheFile) {
  EXPECT_EQ(patronChoiceName(Patron::typed), "typed");
  EXPECT_EQ(patronChoiceName(Patron::holySpirit), "holy-spirit");
  EXPECT_EQ(patronChoiceFromName("typed"), Patron::typed);
  EXPECT_EQ(patronChoiceFromName("nicholas"), Patron::nicholas);
  EXPECT_EQ(patronChoiceFromName("Nicholas"), std::nullopt);
  EXPECT_EQ(calendarFromName("old"), TempleCalendar::oldCalendar);
  EXPECT_EQ(calendarFromName("julian"), std::nullopt);
}

}  // namespace
}  // namespace corvane
