#include "window_logic/temple_window_logic.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

class TempleWindow : public ::testing::Test {
 protected:
  testing::TemporaryFolder folder;
  TempleSettings settings;
  std::vector<std::string> reports;
  std::filesystem::path settingsFile() { return folder.path() / "corvane.ini"; }
  TempleWindowLogic logicIn(const std::filesystem::path& patronFile) {
    return TempleWindowLogic{settings, SavedTemple{settingsFile(), patronFile},
                             [this](const std::string& message) { reports.push_back(message); }};
  }
  std::string stored() { return readWholeFile(folder.path() / "inpat.txt").value_or("<none>"); }
};

// "NONE OF THE ABOVE": the first Continue opens the box, the next one with a
// phrase stores it and goes on; the next start offers it again.
TEST_F(TempleWindow, TheTypedPhraseIsAskedForStoredAndOffered) {
  auto logic = logicIn(folder.path() / "inpat.txt");
  logic.shown();
  EXPECT_FALSE(logic.controls().boxShown);
  EXPECT_EQ(logic.continuePressed(), TempleWindowLogic::Outcome::stay);
  EXPECT_TRUE(logic.controls().boxShown && logic.controls().focusBox);
  EXPECT_EQ(stored(), "<none>") << "an empty phrase is never written";
  logic.setBoxText("of St. Herman\nof Alaska");
  logic.setBishop(true);
  EXPECT_EQ(logic.continuePressed(), TempleWindowLogic::Outcome::goOn);
  EXPECT_TRUE(settings.patronIs(Patron::typed) && settings.bishopPresent);
  EXPECT_EQ(settings.patronText, "of St. Herman\nof Alaska");
  EXPECT_EQ(stored(), "of St. Herman\r\nof Alaska\r\n");

  auto next = logicIn(folder.path() / "inpat.txt");
  next.shown();
  EXPECT_EQ(next.controls().boxText, "of St. Herman\nof Alaska");
  EXPECT_TRUE(next.controls().boxShown);
  EXPECT_EQ(next.continuePressed(), TempleWindowLogic::Outcome::goOn);
  EXPECT_EQ(stored(), "of St. Herman\r\nof Alaska\r\n") << "no terminator accumulates";
  EXPECT_TRUE(reports.empty());
}

// A listed patron goes on at once and removes a stored phrase.
TEST_F(TempleWindow, AListedPatronRemovesTheStoredPhrase) {
  ASSERT_TRUE(writeFileAtomically(folder.path() / "inpat.txt", "of St. Herman\r\n"));
  auto logic = logicIn(folder.path() / "inpat.txt");
  logic.shown();
  logic.selectPatron(Patron::cross);
  EXPECT_FALSE(logic.controls().boxShown);
  EXPECT_EQ(logic.continuePressed(), TempleWindowLogic::Outcome::goOn);
  EXPECT_TRUE(settings.patronIs(Patron::cross));
  EXPECT_FALSE(settings.patronIs(Patron::typed));
  EXPECT_EQ(settings.patronText, "");
  EXPECT_EQ(logic.controls().boxText, "");
  EXPECT_EQ(stored(), "<none>");
}

// A file that cannot be written is said, and the user goes on with the phrase.
TEST_F(TempleWindow, AFileThatCannotBeWrittenIsSaidAndNothingIsLost) {
  const auto file = folder.path() / "missing" / "inpat.txt";
  auto logic = logicIn(file);
  logic.shown();
  logic.setBoxText("of St. Herman");
  EXPECT_EQ(logic.continuePressed(), TempleWindowLogic::Outcome::goOn);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "Cannot write " + file.string() + ": No such file or directory");
  EXPECT_EQ(settings.patronText, "of St. Herman");
}

// The calendar and the patron option come back at the next start and are
// saved when the user goes on; a damaged file is said once and kept as it is
// until then.
TEST_F(TempleWindow, TheChoicesAreRestoredAtStartAndSavedOnContinue) {
  ASSERT_TRUE(writeFileAtomically(settingsFile(), "[temple]\ncalendar=old\npatron=cross\n"));
  auto logic = logicIn(folder.path() / "inpat.txt");
  logic.restoreChoices();
  logic.shown();
  EXPECT_EQ(logic.controls().calendar, TempleCalendar::oldCalendar);
  EXPECT_EQ(logic.controls().selected, Patron::cross);
  logic.setCalendar(TempleCalendar::newCalendar);
  EXPECT_EQ(logic.continuePressed(), TempleWindowLogic::Outcome::goOn);
  EXPECT_EQ(settings.calendar, TempleCalendar::newCalendar);
  EXPECT_EQ(readWholeFile(settingsFile()), "[temple]\ncalendar=new\npatron=cross\n");
  EXPECT_TRUE(reports.empty());

  const std::string damaged = "[temple]\ncalendar=julian\n";
  ASSERT_TRUE(writeFileAtomically(settingsFile(), damaged));
  auto next = logicIn(folder.path() / "inpat.txt");
  next.restoreChoices();
  next.shown();
  EXPECT_EQ(reports, std::vector<std::string>{
                         "Cannot read the temple's settings in " + settingsFile().string() +
                         ": unknown calendar 'julian'. The window starts with its defaults; the "
                         "file is kept until you continue."});
  EXPECT_EQ(next.controls().calendar, TempleCalendar::newCalendar);
  EXPECT_EQ(next.controls().selected, Patron::typed);
  EXPECT_EQ(next.continuePressed(), TempleWindowLogic::Outcome::stay);  // no phrase yet
  EXPECT_EQ(readWholeFile(settingsFile()), damaged);
  next.setBoxText("of St. Herman");
  EXPECT_EQ(next.continuePressed(), TempleWindowLogic::Outcome::goOn);
  EXPECT_EQ(readWholeFile(settingsFile()), "[temple]\ncalendar=new\npatron=typed\n");
  EXPECT_EQ(reports.size(), 1u);
}

TEST(TempleWindowGoBack, ForgetsTheTypedPatronAndTheLiturgysSaints) {
  const struct {
    Patron patron;
    bool forgotten;
  } rows[] = {
      {Patron::typed, true},       {Patron::chrysostom, true}, {Patron::basil, true},
      {Patron::gregory, true},     {Patron::nicholas, false},  {Patron::cross, false},
      {Patron::archangels, false},
  };
  for (const auto& row : rows) {
    TempleSettings settings;
    choosePatron(settings, row.patron, "of St. Herman");
    settings.bishopPresent = true;
    forgetPatronForGoingBack(settings);
    EXPECT_EQ(settings.patron.has_value(), !row.forgotten) << patronName(row.patron);
    EXPECT_TRUE(settings.bishopPresent);
    EXPECT_EQ(settings.patronText, "");
  }
}

}  // namespace
}  // namespace corvane
