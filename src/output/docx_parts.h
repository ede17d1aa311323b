#pragma once

#include <string>
#include <vector>

#include "output/paper.h"

namespace corvane {

struct DocumentParagraph;

// One part of a word-processing package: its name in the archive and its bytes.
struct PackagePart {
  std::string name;  // "word/document.xml"
  std::string bytes;
};

// The fixed parts of a word-processing package, and the document part built
// from its paragraphs. Each returns the part's XML.
std::string contentTypesPart();
std::string packageRelationshipsPart();
std::string documentRelationshipsPart();
std::string stylesPart();
std::string fontTablePart();
std::string settingsPart();
std::string corePropertiesPart();
std::string appPropertiesPart();
std::string documentPart(const std::vector<DocumentParagraph>& paragraphs, Paper paper);

// Every part of the package, in the order of the archive. Whatever zips them
// (libzip natively, the page's JavaScript in a browser) keeps this order.
std::vector<PackagePart> docxParts(const std::vector<DocumentParagraph>& paragraphs, Paper paper);

}  // namespace corvane
