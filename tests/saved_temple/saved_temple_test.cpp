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
  struct Row {
    const char* file;
    TempleChoices choices;
  };
  const Row rows[] = {
      {"old-nicholas.ini", {TempleCalendar::oldCalendar, Patron::nicholas}},
      {"new-typed.ini", {TempleCalendar::newCalendar, Patron::typed}},
  };
  testing::TemporaryFolder folder;
  const SavedTemple saved = SavedTemple::inFolder(folder.path());
  EXPECT_EQ(saved.readChoices(), std::nullopt) << "nothing saved yet";
  for (const Row& row : rows) {
    ASSERT_TRUE(writeFileAtomically(saved.settingsFile(), testData(row.file)));
    EXPECT_EQ(saved.readChoices(), row.choices) << row.file;
    ASSERT_TRUE(saved.writeChoices(row.choices));
    EXPECT_EQ(readWholeFile(saved.settingsFile()), testData(row.file));
  }
}

// A file that cannot be read says why, naming the file, and stays as it is;
// one that cannot be written says why (each reason: temple_ini_test).
TEST(SavedTemple, DamagedSettingsFilesSayWhy) {
  testing::TemporaryFolder folder;
  const SavedTemple saved = SavedTemple::inFolder(folder.path());
  const std::string cannotRead =
      "Cannot read the temple's settings in " + saved.settingsFile().string() + ": ";
  struct Row {
    std::string bytes;
    std::string reason;
  };
  const Row rows[] = {
      {"[temple]\ncalendar=julian\n", "unknown calendar 'julian'"},
      {"PK\x03\x04 a document, not settings", "it is not a settings file (line 1)"},
      {"[temple]\n" + std::string(70000, ';') + "\n", "it is not a settings file"},
  };
  for (const Row& row : rows) {
    ASSERT_TRUE(writeFileAtomically(saved.settingsFile(), row.bytes));
    const auto read = saved.readChoices();
    ASSERT_FALSE(read) << row.reason;
    EXPECT_EQ(read.error(), cannotRead + row.reason);
    EXPECT_EQ(readWholeFile(saved.settingsFile()), row.bytes);
  }
  fs::remove(saved.settingsFile());
  fs::create_directory(saved.settingsFile());
  EXPECT_EQ(saved.readChoices().error(), cannotRead + "it is not a file");
  // Writing into a folder that is missing says so, and makes nothing.
  const SavedTemple missing = SavedTemple::inFolder(folder.path() / "missing");
  const Done written = missing.writeChoices({TempleCalendar::oldCalendar, Patron::cross});
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error(),
            "Cannot write " + missing.settingsFile().string() + ": No such file or directory");
  EXPECT_FALSE(fs::exists(folder.path() / "missing"));
}

// The phrase's bytes in inpat.txt, and the phrase read back from them.
TEST(SavedTemple, ThePhraseBytesAndRoundTrip) {
  struct Row {
    std::string phrase;
    std::string bytes;
  };
  const Row rows[] = {
      {"of St. Herman\nof Alaska", "of St. Herman\r\nof Alaska\r\n"},
      {"of the holy martyrs Evlámpius", "of the holy martyrs Evl\xE1mpius\r\n"},
      {"of the holy Ἀθανάσιος", "\xEF\xBB\xBFof the holy Ἀθανάσιος\r\n"},
      {"  blanks kept\t", "  blanks kept\t\r\n"},
      {"ends with a break\n", "ends with a break\r\n\r\n"},
  };
  testing::TemporaryFolder folder;
  const SavedTemple saved = SavedTemple::inFolder(folder.path());
  EXPECT_EQ(saved.patronFile(), folder.path() / "inpat.txt");
  for (const Row& row : rows) {
    ASSERT_TRUE(saved.writePhrase(row.phrase));
    EXPECT_EQ(readWholeFile(saved.patronFile()), row.bytes);
    EXPECT_EQ(saved.readPhrase().value(), row.phrase);
  }
  // A file written by hand with bare line feeds reads the same.
  ASSERT_TRUE(writeFileAtomically(saved.patronFile(), "of St.\nHerman\r\n"));
  EXPECT_EQ(saved.readPhrase().value(), "of St.\nHerman");
  // An empty phrase writes nothing; removing leaves no file.
  ASSERT_TRUE(saved.removePhrase());
  EXPECT_TRUE(saved.writePhrase(""));
  EXPECT_FALSE(saved.hasPhrase());
  EXPECT_EQ(saved.readPhrase().value(), std::nullopt);
  EXPECT_TRUE(saved.removePhrase());
}

}  // namespace
}  // namespace corvane
