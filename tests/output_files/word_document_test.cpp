#include "output_files/word_document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "composer/composed.h"
#include "output_files/document_reading.h"
#include "platform/atomic_file.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"
#include "support/zip_reading.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

struct Document {
  std::string bytes;
  pugi::xml_document xml;
  std::vector<testing::SeenParagraph> paragraphs;
};

Document documentOf(const testing::Composed& composed) {
  Document document;
  document.bytes = wordDocumentBytes(composed.dismissal, englishLongDate).value();
  document.paragraphs = testing::paragraphsOf(document.bytes, document.xml);
  return document;
}

std::string attribute(pugi::xml_node node, const char* child, const char* name = "w:val") {
  return node.child(child).attribute(name).value();
}

TEST(WordDocument, OrdinaryEndingAndTheForerunnersIntercessionInBold) {
  // Daily Vespers on Monday evening, composed for Tuesday 24 June: the Forerunner.
  const Document document = documentOf(compose(Service::dailyVespers, 2025y / June / 23));
  const auto& p = document.paragraphs;
  ASSERT_EQ(p.size(), 6u);
  EXPECT_EQ(p[0].text, "Monday, June 23, 2025");
  EXPECT_EQ(p[3].boldText,
            "at the supplication of the honorable, glorious Prophet, Forerunner and Baptist John, "
            "whose nativity we commemorate this day; ");
  EXPECT_EQ(p[5].text, testing::kOrdinaryEnding);
  EXPECT_EQ(attribute(p[5].properties, "w:i"), "0");
  EXPECT_EQ(attribute(p[5].properties, "w:u"), "none");
  EXPECT_EQ(attribute(p[5].properties, "w:sz"), "28");

  // At Great Vespers the weekday's intercession is not in the sentence, nor searched.
  const Document vespers = documentOf(compose(Service::greatVespers, 2025y / June / 23));
  EXPECT_EQ(vespers.paragraphs[3].boldText, ", whose nativity we commemorate this day");
}

TEST(WordDocument, ACrossClauseTwiceInTheWeekOfTheElevation) {
  // The weekday's intercession holds the Cross twice and is bold whole; the
  // Cross clause alone would be bold only where first found.
  const Document document = documentOf(compose(Service::dailyOrthros, 2025y / September / 17));
  EXPECT_EQ(document.paragraphs[3].boldText,
            "by the might of the precious and life-giving cross, the elevation of which we "
            "commemorate this day; by the might of the precious and life-giving cross, the "
            "elevation of which we commemorate this day; ");
  Dismissal twice;
  twice.dismissalText = "May one, two, one, two.";
  twice.endingText = "end";
  twice.slotTexts[static_cast<std::size_t>(Slot::feastClause)] = "one, ";
  twice.slotTexts[static_cast<std::size_t>(Slot::saintsClause)] = "absent";
  const std::vector<DocumentParagraph> paragraphs =
      documentParagraphs(twice, [](Date) { return std::string{"date"}; });
  EXPECT_EQ(paragraphs[3].runs,
            (std::vector<TextRun>{{"May ", false}, {"one, ", true}, {"two, one, two.", false}}));
}

// A new name for every document, never over an earlier one.
TEST(WordDocument, NewNamesAndFailuresSaid) {
  testing::TemporaryFolder folder;
  const auto composed = compose(Service::chrysostom, 2024y / December / 25);
  const Date picked = 2024y / December / 25;
  const auto first = freeDocumentPath(folder.path(), {picked, Service::chrysostom, false});
  EXPECT_EQ(first.filename(), "dismissal-2024-12-25-chrysostom.docx");
  ASSERT_TRUE(writeWordDocument(first, composed.dismissal, englishLongDate));
  EXPECT_EQ(testing::zipEntries(readWholeFile(first).value()).size(), 9u);
  EXPECT_EQ(freeDocumentPath(folder.path(), {picked, Service::chrysostom, false}).filename(),
            "dismissal-2024-12-25-chrysostom-2.docx");
  EXPECT_EQ(freeDocumentPath(folder.path(), {picked, Service::basil, true}).filename(),
            "dismissal-2024-12-25-basil-evening.docx");
  const auto missing = folder.path() / "missing" / "a.docx";
  EXPECT_EQ(writeWordDocument(missing, composed.dismissal, englishLongDate),
            Failure{"Cannot write " + missing.string() + ": No such file or directory"});
}

}  // namespace
}  // namespace corvane
