#include "window_logic/temple_window_logic.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "support/temporary_folder.h"
#include "support/typed_phrase.h"

namespace corvane {
namespace {

using Outcome = TempleWindowLogic::Outcome;

class TempleWindow : public ::testing::Test {
 protected:
  // The window as it opens at a start.
  TempleWindowLogic started(const std::filesystem::path& patronFile) {
    TempleWindowLogic logic{settings, SavedTemple{settingsFile, patronFile},
                            [this](const std::string& message) { reports.push_back(message); }};
    logic.restoreChoices();
    logic.shown();
    return logic;
  }
  std::string stored() { return readWholeFile(phraseFile).value_or("<none>"); }

  testing::TemporaryFolder folder;
  const std::filesystem::path settingsFile = folder.path() / "corvane.ini";
  const std::filesystem::path phraseFile = folder.path() / "inpat.txt";
  TempleSettings settings;
  std::vector<std::string> reports;
};

// "NONE OF THE ABOVE": the first Continue opens the box, the next one with a
// phrase stores it and goes on; the next start offers it again; a listed
// patron then removes it.
TEST_F(TempleWindow, TheTypedPhraseIsAskedForStoredOfferedAndRemoved) {
  auto logic = started(phraseFile);
  EXPECT_EQ(logic.continuePressed(), Outcome::stay);
  EXPECT_TRUE(logic.controls().boxShown && logic.controls().focusBox);
  EXPECT_EQ(logic.continuePressed(), Outcome::stay);
  EXPECT_EQ(logic.controls().stayReason,
            "The patron's name is missing: type it in the box as it should stand in the "
            "dismissal, or choose one of the patrons listed.");
  logic.setBoxText(std::string{testing::kTypedAcrossLines});
  EXPECT_EQ(logic.controls().stayReason, "") << "typing answers it";
  logic.setBishop(true);
  EXPECT_EQ(logic.continuePressed(), Outcome::goOn);
  EXPECT_TRUE(settings.patronIs(Patron::typed) && settings.bishopPresent);
  EXPECT_EQ(settings.patronText, testing::kTypedOnOneLine);
  EXPECT_EQ(logic.controls().boxText, testing::kTypedOnOneLine);
  EXPECT_EQ(stored(), std::string{testing::kTypedOnOneLine} + "\r\n");

  // An earlier version kept a line break inside the phrase: offered as one line.
  ASSERT_TRUE(writeFileAtomically(phraseFile, "of St. Herman\r\nof Alaska\r\n"));
  auto next = started(phraseFile);
  EXPECT_EQ(next.controls().boxText, "of St. Herman of Alaska");
  EXPECT_TRUE(next.controls().boxShown);
  next.selectPatron(Patron::cross);
  EXPECT_FALSE(next.controls().boxShown);
  EXPECT_EQ(next.continuePressed(), Outcome::goOn);
  EXPECT_TRUE(settings.patronIs(Patron::cross));
  EXPECT_EQ(next.controls().boxText, "");
  EXPECT_EQ(stored(), "<none>");
  EXPECT_TRUE(reports.empty());
}

// A phrase of blanks and control characters is said, and the window stays; a
// file that cannot be written is said, and the user goes on with the phrase.
TEST_F(TempleWindow, BadPhrasesAndUnwritableFilesAreSaidAndNothingIsLost) {
  auto logic = started(phraseFile);
  logic.setBoxText(" \t\x01 ");
  EXPECT_EQ(logic.continuePressed(), Outcome::stay);
  EXPECT_EQ(reports, std::vector<std::string>{
                         "The patron phrase held only blanks or control characters. Type the name "
                         "of the temple's patron, as it should stand in the dismissal."});

  const auto unwritable = folder.path() / "missing" / "inpat.txt";
  auto other = started(unwritable);
  other.setBoxText("of St. Herman");
  EXPECT_EQ(other.continuePressed(), Outcome::goOn);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1], "Cannot write " + unwritable.string() + ": No such file or directory");
  EXPECT_EQ(settings.patronText, "of St. Herman");
}

// The calendar and the patron option come back at the next start; a damaged
// file is said once and kept as it is until the user goes on, when the
// choices are saved.
TEST_F(TempleWindow, TheChoicesAreRestoredAtStartAndSavedOnContinue) {
  ASSERT_TRUE(writeFileAtomically(settingsFile, "[temple]\ncalendar=old\npatron=cross\n"));
  auto logic = started(phraseFile);
  EXPECT_EQ(logic.controls().calendar, TempleCalendar::oldCalendar);
  EXPECT_EQ(logic.controls().selected, Patron::cross);

  const std::string damaged = "[temple]\ncalendar=julian\n";
  ASSERT_TRUE(writeFileAtomically(settingsFile, damaged));
  auto next = started(phraseFile);
  EXPECT_EQ(reports, std::vector<std::string>{
                         "Cannot read the temple's settings in " + settingsFile.string() +
                         ": unknown calendar 'julian'. The window starts with its defaults; the "
                         "file is kept until you continue."});
  EXPECT_EQ(next.controls().calendar, TempleCalendar::newCalendar);
  EXPECT_EQ(next.controls().selected, Patron::typed);
  EXPECT_EQ(next.continuePressed(), Outcome::stay);  // no phrase yet
  EXPECT_EQ(readWholeFile(settingsFile), damaged);
  next.setBoxText("of St. Herman");
  EXPECT_EQ(next.continuePressed(), Outcome::goOn);
  EXPECT_EQ(readWholeFile(settingsFile), "[temple]\ncalendar=new\npatron=typed\n");
}

TEST(TempleWindowGoBack, ForgetsTheTypedPatronAndTheLiturgysSaints) {
  for (const Patron patron : {Patron::typed, Patron::chrysostom, Patron::basil, Patron::gregory,
                              Patron::nicholas, Patron::cross, Patron::archangels}) {
    TempleSettings settings;
    choosePatron(settings, patron, "of St. Herman");
    settings.bishopPresent = true;
    forgetPatronForGoingBack(settings);
    const bool kept =
        patron == Patron::nicholas || patron == Patron::cross || patron == Patron::archangels;
    EXPECT_EQ(settings.patron.has_value(), kept) << patronName(patron);
    EXPECT_TRUE(settings.bishopPresent);
    EXPECT_EQ(settings.patronText, "");
  }
}

}  // namespace
}  // namespace corvane
