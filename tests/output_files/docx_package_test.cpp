// The document's package: reproducible, and its parts byte for byte what was
// checked by hand in a word processor (tests/data/docx).
#include "output_files/docx_package.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "composer/composed.h"
#include "output_files/word_document.h"
#include "platform/atomic_file.h"
#include "state/english_date.h"
#include "support/zip_reading.h"

namespace corvane {
namespace {

using namespace std::chrono;

std::string packageOf(Service service, Date picked) {
  return wordDocumentBytes(testing::compose(service, picked).dismissal, englishLongDate).value();
}

// Same request, same bytes: every entry compressed and stamped 1 January 1980.
TEST(DocxPackage, Reproducible) {
  const std::string first = packageOf(Service::chrysostom, 2024y / December / 25);
  EXPECT_EQ(first, packageOf(Service::chrysostom, 2024y / December / 25));
  const auto entries = testing::zipEntries(first);
  ASSERT_EQ(entries.size(), 9u);
  EXPECT_EQ(entries.front().name, "[Content_Types].xml");
  for (const testing::ZipEntryInfo& entry : entries) {
    EXPECT_EQ(entry.compression, ZIP_CM_DEFLATE) << entry.name;
    std::tm stamp{};
    const std::time_t modified = entry.modified;
    localtime_r(&modified, &stamp);
    EXPECT_EQ(stamp.tm_year + 1900, 1980) << entry.name;
    EXPECT_EQ(stamp.tm_mon, 0) << entry.name;
    EXPECT_EQ(stamp.tm_mday, 1) << entry.name;
  }
}

// Byte for byte: the parts of a document checked by hand in a word processor
// (Orthros of Pascha 2025, with its Paschal ending and bold clauses).
TEST(DocxPackage, PartsAsCheckedByHand) {
  const std::string package = packageOf(Service::orthros, 2025y / April / 20);
  for (const char* name : {"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                           "word/_rels/document.xml.rels", "word/styles.xml", "word/fontTable.xml",
                           "word/settings.xml", "docProps/core.xml", "docProps/app.xml"}) {
    std::string file = name;
    std::replace(file.begin(), file.end(), '/', '~');
    const auto expected = readWholeFile(std::string{CORVANE_TEST_DATA} + "/docx/" + file);
    ASSERT_TRUE(expected) << "no copy of " << name;
    EXPECT_EQ(testing::zipEntry(package, name), *expected) << name;
  }
}

}  // namespace
}  // namespace corvane
