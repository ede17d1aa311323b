// The document as a word processor opens it: every part named by the content
// types is in the archive with its type, every relationship resolves, every
// part is reached; the fixed parts and one whole document are byte for byte
// what was checked by hand in a word processor (tests/data/docx).
#include "output/docx_package.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <pugixml.hpp>
#include <set>
#include <sstream>

#include "composer/composed.h"
#include "state/english_date.h"
#include "output/word_document.h"
#include "support/zip_reading.h"

namespace corvane {
namespace {

using namespace std::chrono;

// The parts a word-processing package of this kind holds, with the types the
// package format gives them.
const std::map<std::string, std::string> kContentTypes = {
    {"word/document.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
    {"word/styles.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"},
    {"word/fontTable.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml"},
    {"word/settings.xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"},
    {"docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml"},
    {"docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml"},
    {"_rels/.rels", "application/vnd.openxmlformats-package.relationships+xml"},
    {"word/_rels/document.xml.rels", "application/vnd.openxmlformats-package.relationships+xml"},
};

// Who reaches which part, and by which relationship.
const std::map<std::string, std::string> kRelationshipTypes = {
    {"word/document.xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"},
    {"docProps/core.xml",
     "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties"},
    {"docProps/app.xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties"},
    {"word/styles.xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles"},
    {"word/fontTable.xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/fontTable"},
    {"word/settings.xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings"},
};

pugi::xml_document parsed(const std::string& xml) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_string(xml.c_str())) << xml.substr(0, 200);
  return document;
}

std::string packageOf(Service service, Date picked) {
  return wordDocumentBytes(testing::compose(service, picked).dismissal, englishLongDate);
}

TEST(DocxPackage, EveryPartIsThereWithItsTypeAndEveryRelationshipResolves) {
  const std::string package = packageOf(Service::orthros, 2025y / April / 20);
  std::map<std::string, std::string> parts;
  for (const testing::ZipEntryInfo& entry : testing::zipEntries(package)) {
    EXPECT_TRUE(parts.emplace(entry.name, entry.bytes).second) << "twice: " << entry.name;
  }
  ASSERT_TRUE(parts.contains("[Content_Types].xml"));

  // The type of every part, by its own override or by its extension.
  const auto types = parsed(parts.at("[Content_Types].xml"));
  std::map<std::string, std::string> byExtension, byName;
  for (pugi::xml_node node : types.child("Types").children()) {
    if (std::string_view{node.name()} == "Default") {
      byExtension[node.attribute("Extension").value()] = node.attribute("ContentType").value();
    } else if (std::string_view{node.name()} == "Override") {
      const std::string name = node.attribute("PartName").value();
      ASSERT_TRUE(name.starts_with("/")) << name;
      EXPECT_TRUE(parts.contains(name.substr(1))) << "named but missing: " << name;
      byName[name.substr(1)] = node.attribute("ContentType").value();
    }
  }
  std::set<std::string> seen;
  for (const auto& [name, bytes] : parts) {
    if (name == "[Content_Types].xml") continue;
    seen.insert(name);
    const std::string extension = name.substr(name.rfind('.') + 1);
    const std::string type = byName.contains(name) ? byName.at(name) : byExtension[extension];
    ASSERT_TRUE(kContentTypes.contains(name)) << "unexpected part " << name;
    EXPECT_EQ(type, kContentTypes.at(name)) << name;
    parsed(bytes);  // every part is well-formed XML
  }
  EXPECT_EQ(seen.size(), kContentTypes.size());

  // Every relationship resolves, with its type; every content part is reached once.
  std::multiset<std::string> reached;
  for (const auto& [rels, folder] :
       {std::pair{"_rels/.rels", ""}, std::pair{"word/_rels/document.xml.rels", "word/"}}) {
    std::set<std::string> ids;
    const pugi::xml_document relationships = parsed(parts.at(rels));
    for (pugi::xml_node relationship :
         relationships.child("Relationships").children("Relationship")) {
      const std::string target = folder + std::string{relationship.attribute("Target").value()};
      EXPECT_TRUE(parts.contains(target)) << rels << " points at a missing " << target;
      ASSERT_TRUE(kRelationshipTypes.contains(target)) << target;
      EXPECT_EQ(relationship.attribute("Type").value(), kRelationshipTypes.at(target));
      EXPECT_TRUE(ids.insert(relationship.attribute("Id").value()).second) << "an Id twice";
      reached.insert(target);
    }
  }
  for (const auto& [part, type] : kRelationshipTypes) EXPECT_EQ(reached.count(part), 1u) << part;
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

std::string expectedPart(const std::string& name) {
  std::ifstream file{std::string{CORVANE_TEST_DATA} + "/docx/" + name, std::ios::binary};
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
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
    const std::string expected = expectedPart(file);
    ASSERT_FALSE(expected.empty()) << "no copy of " << name;
    EXPECT_EQ(testing::zipEntry(package, name), expected) << name;
  }
}

}  // namespace
}  // namespace corvane
