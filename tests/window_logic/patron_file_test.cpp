#include "window_logic/patron_file.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

// The file's bytes for a phrase, and the phrase read back from them.
TEST(PatronFile, BytesAndRoundTrip) {
  struct Row {
    std::string phrase;
    std::string bytes;
  };
  const Row rows[] = {
      {"of St. Herman", "of St. Herman\r\n"},
      {"of St. Herman\nof Alaska", "of St. Herman\r\nof Alaska\r\n"},
      {"of the holy martyrs Evlámpius", "of the holy martyrs Evl\xE1mpius\r\n"},
      {"of the holy Ἀθανάσιος", "\xEF\xBB\xBFof the holy Ἀθανάσιος\r\n"},
      {"  blanks kept\t", "  blanks kept\t\r\n"},
      {"ends with a break\n", "ends with a break\r\n\r\n"},
  };
  testing::TemporaryFolder folder;
  const PatronFile file{folder.path() / "inpat.txt"};
  for (const Row& row : rows) {
    ASSERT_EQ(file.write(row.phrase), std::nullopt);
    std::string problem;
    EXPECT_EQ(readWholeFile(file.path(), problem), row.bytes);
    for (int again = 0; again < 3; ++again) {
      EXPECT_EQ(file.read(problem), row.phrase);
      ASSERT_EQ(file.write(*file.read(problem)), std::nullopt);
    }
  }
  // A file written by hand with bare line feeds reads the same.
  ASSERT_EQ(writeFileAtomically(file.path(), "of St.\nHerman\r\n"), std::nullopt);
  std::string problem;
  EXPECT_EQ(file.read(problem), "of St.\nHerman");
  // An empty phrase writes nothing; removing leaves no file.
  ASSERT_EQ(file.remove(), std::nullopt);
  EXPECT_EQ(file.write(""), std::nullopt);
  EXPECT_FALSE(file.exists());
  EXPECT_EQ(file.read(problem), std::nullopt);
  EXPECT_EQ(file.remove(), std::nullopt);
}

}  // namespace
}  // namespace corvane
