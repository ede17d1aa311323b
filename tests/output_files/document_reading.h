#pragma once

// Reads a document back as a reader of it sees it: its paragraphs, their
// text, their bold text and their properties.

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "support/zip_reading.h"

namespace corvane::testing {

struct SeenParagraph {
  std::string text = {};  // a soft break reads as LF
  std::string boldText = {};
  bool pageBreak = false;          // starts a new page
  pugi::xml_node properties = {};  // the paragraph mark's run properties
};

// The document part of the package, parsed into `xml`, and its paragraphs.
inline std::vector<SeenParagraph> paragraphsOf(const std::string& package,
                                               pugi::xml_document& xml) {
  const std::string document = zipEntry(package, "word/document.xml");
  // Blank-only text is kept, as xml:space="preserve" asks of a reader.
  const pugi::xml_parse_result parsed =
      xml.load_string(document.c_str(), pugi::parse_default | pugi::parse_ws_pcdata);
  EXPECT_TRUE(parsed) << parsed.description();
  std::vector<SeenParagraph> seen;
  for (pugi::xml_node p : xml.child("w:document").child("w:body").children("w:p")) {
    SeenParagraph paragraph{
        .pageBreak = static_cast<bool>(p.child("w:pPr").child("w:pageBreakBefore")),
        .properties = p.child("w:pPr").child("w:rPr")};
    for (pugi::xml_node r : p.children("w:r")) {
      std::string text;
      for (pugi::xml_node piece : r.children()) {
        if (std::string_view{piece.name()} == "w:t") text += piece.text().get();
        if (std::string_view{piece.name()} == "w:br") text += '\n';
      }
      paragraph.text += text;
      if (r.child("w:rPr").child("w:b")) paragraph.boldText += text;
    }
    seen.push_back(paragraph);
  }
  return seen;
}

}  // namespace corvane::testing
