#include "output/text_file.h"

#include <gtest/gtest.h>

#include <string>

#include "compose.h"
#include "output/english_date.h"
#include "output/windows_1252.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

std::string fileOf(const testing::Composed& composed) {
  return textFileBytes(composedFrom(composed.state, composed.settings, englishLongDate));
}

TEST(TextFile, LayoutWithAndWithoutTheDaysName) {
  ComposedDismissal dismissal{.longDate = "Saturday, October 8, 2022",
                              .dayTitle = "",
                              .serviceHeading = "-- Great Vespers --",
                              .dismissalText = "May Christ ... mankind.",
                              .endingText = "Through the prayers ... save us."};
  EXPECT_EQ(textFileBytes(dismissal),
            "Saturday, October 8, 2022\r\n-- Great Vespers --\r\n\r\nMay Christ ... "
            "mankind.\r\n\r\nThrough the prayers ... save us.");
  dismissal.dayTitle = "Palm Sunday";
  EXPECT_TRUE(textFileBytes(dismissal).starts_with(
      "Saturday, October 8, 2022 - Palm Sunday\r\n-- Great Vespers --\r\n\r\n"));
}

TEST(TextFile, PaschalDateEndsWithTheElevenLinesOfTheBlock) {
  const std::string bytes = fileOf(compose(Service::orthros, 2025y / April / 20));
  EXPECT_TRUE(
      bytes.starts_with("Sunday, April 20, 2025 - Holy Pascha\r\n-- Orthros --\r\n\r\nMay "));
  EXPECT_TRUE(bytes.ends_with(
      "mankind.\r\n\r\nPASCHAL ENDING\r\n\r\nPRIEST:  Christ is risen!\r\nRESPONSE: Indeed, He is "
      "risen!\r\n(thrice)\r\n\r\nPRIEST: Glory to his holy third-day resurrection.\r\nRESPONSE: We "
      "adore his third-day resurrection.\r\n\r\nPRIEST: Christ is risen from the dead trampling "
      "down death by death and upon those in the tombs . . .\r\nRESPONSE: . . . bestowing life."));
}

TEST(TextFile, VespersShowsTheSaturdayItIsServedOn) {
  const std::string bytes = fileOf(compose(Service::greatVespers, 2025y / April / 12));
  EXPECT_TRUE(bytes.starts_with("Saturday, April 12, 2025 - Palm Sunday\r\n")) << bytes;
}

TEST(TextFile, WindowsCodePageWhenEverythingFits) {
  const std::string bytes = fileOf(compose(Service::orthros, 2022y / October / 10));
  EXPECT_NE(bytes.find("of the holy martyrs Evl\xE1mpius and Evl\xE1mpia, "), std::string::npos);
  EXPECT_FALSE(bytes.starts_with(kUtf8ByteOrderMark));
}

TEST(TextFile, TypedPatronOutsideTheCodePageGivesUtf8WithAMark) {
  TempleSettings settings;
  choosePatron(settings, Patron::typed, "of the holy Ἀθανάσιος\nand Κύριλλος");
  const std::string bytes =
      fileOf(compose(Service::orthros, 2022y / October / 13, false, settings));
  EXPECT_TRUE(bytes.starts_with(kUtf8ByteOrderMark));
  EXPECT_NE(bytes.find("of the holy Ἀθανάσιος\r\nand Κύριλλος; "), std::string::npos);
}

TEST(TextFile, TypedLineBreakIsWrittenAsCrLf) {
  TempleSettings settings;
  choosePatron(settings, Patron::typed, "of the holy\nnew martyrs");
  const std::string bytes =
      fileOf(compose(Service::orthros, 2022y / October / 13, false, settings));
  EXPECT_NE(bytes.find("fathers; of the holy\r\nnew martyrs; of the holy"), std::string::npos);
  EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
}

TEST(Windows1252, FitsAndRoundTrips) {
  struct Row {
    std::string_view utf8;
    std::optional<std::string_view> bytes;
  };
  const Row rows[] = {
      {"plain", "plain"},
      {"Evlámpius", "Evl\xE1mpius"},
      {"€ – “quoted” ÿ", "\x80 \x96 \x93quoted\x94 \xFF"},
      {"Ἀθανάσιος", std::nullopt},
      {"\xC2\x81", std::nullopt},  // U+0081: an undefined position of the code page
      {"\xC3", std::nullopt},      // not UTF-8 at all
  };
  for (const Row& row : rows) {
    const std::optional<std::string> bytes = toWindows1252(row.utf8);
    ASSERT_EQ(bytes.has_value(), row.bytes.has_value()) << row.utf8;
    if (bytes) {
      EXPECT_EQ(*bytes, *row.bytes);
      EXPECT_EQ(fromWindows1252(*bytes), row.utf8);
    }
  }
  for (std::string_view text : {"Evlámpius", "Ἀθανάσιος\nline", "plain"}) {
    EXPECT_EQ(decodeTextFile(encodeForTextFile(text)), text);
  }
}

}  // namespace
}  // namespace corvane
