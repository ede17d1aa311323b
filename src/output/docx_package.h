#pragma once

#include <string>
#include <vector>

#include "output/paper.h"

namespace corvane {

struct DocumentParagraph;

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

// The zip container of all parts, every entry stamped 1 January 1980, so that
// the same paragraphs always give the same bytes.
std::string docxPackage(const std::vector<DocumentParagraph>& paragraphs, Paper paper);

}  // namespace corvane
