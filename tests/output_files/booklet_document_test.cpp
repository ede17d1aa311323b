// A booklet as one document and one text file: each dismissal laid out as
// the single document lays it out, each after the first on a new page.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "composer/booklet.h"
#include "composer/composed.h"
#include "output_files/document_reading.h"
#include "output_files/text_file.h"
#include "output_files/word_document.h"
#include "state/english_date.h"

namespace corvane {
namespace {

using namespace std::chrono;

using testing::paragraphsOf;

TEST(BookletDocument, EachDismissalAsTheSingleDocumentOnAPageOfItsOwn) {
  // Set past the cleaning of a typed phrase, so that the document's own line
  // break is seen inside a bold clause.
  TempleSettings temple;
  temple.patron = Patron::typed;
  temple.patronText = "of <St.> Mary & Martha\nof Bethany";
  const std::vector<ServiceRequest> entries = {
      {2025y / April / 20, Service::orthros, false},      // Pascha: sixteen paragraphs
      {2025y / April / 16, Service::basil, true},         // an Evening Liturgy
      {2025y / June / 23, Service::dailyVespers, false},  // the Forerunner's day, a Tuesday
  };
  const std::vector<Dismissal> dismissals = composeBooklet(entries, temple);
  pugi::xml_document xml;
  const auto seen = paragraphsOf(wordDocumentBytes(dismissals, englishLongDate).value(), xml);
  ASSERT_EQ(seen.size(), 16u + 6u + 6u);
  // Page breaks exactly before the first paragraph of the second and third.
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].pageBreak, i == 16 || i == 22) << i;
  }
  // Each entry's paragraphs are those of its own single document.
  std::size_t at = 0;
  for (const Dismissal& dismissal : dismissals) {
    pugi::xml_document single;
    const auto alone = paragraphsOf(wordDocumentBytes(dismissal, englishLongDate).value(), single);
    for (std::size_t i = 0; i < alone.size(); ++i, ++at) {
      EXPECT_EQ(seen[at].text, alone[i].text) << at;
      EXPECT_EQ(seen[at].boldText, alone[i].boldText) << at;
      std::ostringstream want, got;
      alone[i].properties.print(want);
      seen[at].properties.print(got);
      EXPECT_EQ(got.str(), want.str()) << at;
    }
  }
  // The bold characters, exactly.
  EXPECT_EQ(seen[0].text, "Sunday, April 20, 2025 - Holy Pascha");
  EXPECT_EQ(seen[3].boldText,
            "he who rose again from the dead, trampling down death by death and upon those in the "
            "tombs bestowing life, of <St.> Mary & Martha\nof Bethany; ");
  EXPECT_EQ(seen[17].text, "-- Evening Divine Liturgy of St. Basil the Great --");
  EXPECT_EQ(
      seen[19].boldText,
      "he who showed us the most excellent way of humility when he washed his disciples' feet "
      "and condescended even unto the cross and burial because of his exceeding goodness, of "
      "our father among the saints, Basil the Great, archbishop of Caesarea; of <St.> Mary & "
      "Martha\nof Bethany; ");
  // One section.
  int sections = 0;
  for ([[maybe_unused]] pugi::xpath_node node : xml.select_nodes("//w:sectPr")) ++sections;
  EXPECT_EQ(sections, 1);
}

TEST(BookletDocument, LetterAndA4Landscape) {
  const auto dismissal = testing::compose(Service::orthros, 2026y / December / 6).dismissal;
  struct Row {
    Paper paper;
    const char* width;
    const char* height;
  };
  for (const Row& row : {Row{Paper::letter, "15840", "12240"}, Row{Paper::a4, "16838", "11906"}}) {
    pugi::xml_document xml;
    paragraphsOf(wordDocumentBytes(dismissal, englishLongDate, row.paper).value(), xml);
    const pugi::xml_node size =
        xml.child("w:document").child("w:body").child("w:sectPr").child("w:pgSz");
    EXPECT_STREQ(size.attribute("w:w").value(), row.width);
    EXPECT_STREQ(size.attribute("w:h").value(), row.height);
    EXPECT_STREQ(size.attribute("w:orient").value(), "landscape");
  }
  EXPECT_EQ(paperFromName("A4"), Paper::a4);
  EXPECT_EQ(paperFromName("Letter"), Paper::letter);
  EXPECT_EQ(paperFromName("legal"), std::nullopt);
}

TEST(BookletTextFile, ByteForByte) {
  const std::vector<Dismissal> dismissals =
      composeBooklet({{2026y / December / 12, Service::greatVespers, false},
                      {2026y / December / 13, Service::orthros, false}},
                     TempleSettings{});
  const std::string bytes = textFileBytes(dismissals, englishLongDate);
  EXPECT_EQ(bytes, textFileBytes(dismissals[0], englishLongDate) + "\r\n\r\n" +
                       textFileBytes(dismissals[1], englishLongDate));
  // One encoding for the whole file: a phrase outside the code page makes it UTF-8.
  TempleSettings greek;
  choosePatron(greek, Patron::typed, "of the holy Ἀθανάσιος");
  const auto mixed = std::vector<Dismissal>{
      dismissals[0], composeBooklet({{2026y / December / 14, Service::orthros, false}}, greek)[0]};
  const std::string utf8 = textFileBytes(mixed, englishLongDate);
  EXPECT_TRUE(
      utf8.starts_with("\xEF\xBB\xBF"
                       "Saturday"));
  EXPECT_EQ(utf8.find("\xEF\xBB\xBF", 3), std::string::npos);
}

}  // namespace
}  // namespace corvane
