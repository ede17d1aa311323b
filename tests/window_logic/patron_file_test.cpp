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
    ASSERT_TRUE(file.write(row.phrase));
    EXPECT_EQ(readWholeFile(file.path()), row.bytes);
    for (int again = 0; again < 3; ++again) {
      EXPECT_EQ(file.read().value(), row.phrase);
      ASSERT_TRUE(file.write(*file.read().value()));
    }
  }
  // A file written by hand with bare line feeds reads the same.
  ASSERT_TRUE(writeFileAtomically(file.path(), "of St.\nHerman\r\n"));
  EXPECT_EQ(file.read().value(), "of St.\nHerman");
  // An empty phrase writes nothing; removing leaves no file.
  ASSERT_TRUE(file.remove());
  EXPECT_TRUE(file.write(""));
  EXPECT_FALSE(file.exists());
  EXPECT_EQ(file.read().value(), std::nullopt);
  EXPECT_TRUE(file.remove());
}

}  // namespace
}  // namespace corvane
