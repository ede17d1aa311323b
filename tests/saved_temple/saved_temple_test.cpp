#include "saved_temple/saved_temple.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::string testData(const std::string& name) {
  return readWholeFile(fs::path{CORVANE_TEST_DATA} / "saved_temple" / name).value();
}

// Files saved by the window when Qt wrote them keep their choices, and are
// written again byte for byte the same.
TEST(SavedTemple, FilesOfTheEarlierVersionsKeepTheirChoices) {
  const std::pair<const char*, TempleChoices> rows[] = {
      {"old-nicholas.ini", {TempleCalendar::oldCalendar, Patron::nicholas}},
      {"new-typed.ini", {TempleCalendar::newCalendar, Patron::typed}},
  };
  testing::TemporaryFolder folder;
  const SavedTemple saved = SavedTemple::inFolder(folder.path());
  EXPECT_EQ(saved.readChoices(), std::nullopt) << "nothing saved yet";
  for (const auto& [file, choices] : rows) {
    ASSERT_TRUE(writeFileAtomically(saved.settingsFile(), testData(file)));
    EXPECT_EQ(saved.readChoices(), choices) << file;
    ASSERT_TRUE(saved.writeChoices(choices));
    EXPECT_EQ(readWholeFile(saved.settingsFile()), testData(file));
  }
}

// A file that cannot be read says why, naming the file, and stays as it is
// (each reason of the text: temple_ini_test; a failed write: the platform's).
TEST(SavedTemple, DamagedSettingsFilesSayWhy) {
  testing::TemporaryFolder folder;
  const SavedTemple saved = SavedTemple::inFolder(folder.path());
  const std::string cannotRead =
      "Cannot read the temple's settings in " + saved.settingsFile().string() + ": ";
  const std::pair<std::string, std::string> rows[] = {
      {"[temple]\ncalendar=julian\n", "unknown calendar 'julian'"},
      {"[temple]\n" + std::string(70000, ';') + "\n", "it is not a settings file"},
  };
  for (const auto& [bytes, reason] : rows) {
    ASSERT_TRUE(writeFileAtomically(saved.settingsFile(), bytes));
    EXPECT_EQ(saved.readChoices().error(), cannotRead + reason);
    EXPECT_EQ(readWholeFile(saved.settingsFile()), bytes);
  }
  fs::remove(saved.settingsFile());
  fs::create_directory(saved.settingsFile());
  EXPECT_EQ(saved.readChoices().error(), cannotRead + "it is not a file");
}

// The phrase's bytes in inpat.txt, and the phrase read back from them: one
// line and CR LF, as every version wrote it.
TEST(SavedTemple, ThePhraseBytesAndRoundTrip) {
  const std::pair<std::string, std::string> rows[] = {
      {"of the holy martyrs Evlámpius", "of the holy martyrs Evl\xE1mpius\r\n"},
      {"of the holy Ἀθανάσιος", "\xEF\xBB\xBFof the holy Ἀθανάσιος\r\n"},
  };
  testing::TemporaryFolder folder;
  const SavedTemple saved = SavedTemple::inFolder(folder.path());
  for (const auto& [phrase, bytes] : rows) {
    ASSERT_TRUE(saved.writePhrase(phrase));
    EXPECT_EQ(readWholeFile(saved.patronFile()), bytes);
    EXPECT_EQ(saved.readPhrase().value(), phrase);
  }
  // A phrase across lines is stored as its one line.
  ASSERT_TRUE(saved.writePhrase("of St. Herman\nof Alaska\n"));
  EXPECT_EQ(readWholeFile(saved.patronFile()), "of St. Herman of Alaska\r\n");
  // A file of an earlier version, or written by hand, with line breaks
  // inside and at the end, reads back as one line.
  const std::pair<std::string, std::string> older[] = {
      {"of St. Herman\r\nof Alaska\r\n", "of St. Herman of Alaska"},
      {"of St.\nHerman\r\n", "of St. Herman"},
      {"ends with a break\r\n\r\n", "ends with a break"},
      {"\xEF\xBB\xBFof St.\u202E Herman\u2028of Alaska\r\n", "of St. Herman of Alaska"},
  };
  for (const auto& [bytes, phrase] : older) {
    ASSERT_TRUE(writeFileAtomically(saved.patronFile(), bytes));
    EXPECT_EQ(saved.readPhrase().value(), phrase);
  }
  // An empty phrase writes nothing; removing a missing file is no failure.
  ASSERT_TRUE(saved.removePhrase());
  EXPECT_TRUE(saved.writePhrase(""));
  EXPECT_EQ(saved.readPhrase().value(), std::nullopt);
  EXPECT_TRUE(saved.removePhrase());
}

}  // namespace
}  // namespace corvane
