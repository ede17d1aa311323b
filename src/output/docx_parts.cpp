#include "output/docx_parts.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "output/document_paragraphs.h"
#include "output/page_layout.h"
#include "output/xml_text.h"

namespace corvane {

namespace {

constexpr std::string_view kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view kWordNamespace =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";

std::string xmlPart(std::string_view body) {
  std::string part{kXmlDeclaration};
  part += body;
  return part;
}

// Run properties in the order the schema requires: fonts, bold, italic,
// small capitals, size, underline.
std::string runProperties(const DocumentParagraph& paragraph, bool bold) {
  std::string properties;
  if (!paragraph.font.empty()) {
    const std::string font = xmlEscaped(paragraph.font);
    properties +=
        "<w:rFonts w:ascii=\"" + font + "\" w:hAnsi=\"" + font + "\" w:cs=\"" + font + "\"/>";
  }
  if (bold || paragraph.bold) properties += "<w:b/><w:bCs/>";
  if (paragraph.italic)
    properties += *paragraph.italic ? "<w:i/><w:iCs/>" : "<w:i w:val=\"0\"/><w:iCs w:val=\"0\"/>";
  if (paragraph.smallCaps) properties += "<w:smallCaps/>";
  if (paragraph.halfPoints != 0) {
    const std::string size = std::to_string(paragraph.halfPoints);
    properties += "<w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size + "\"/>";
  }
  if (paragraph.underline) {
    properties += *paragraph.underline ? "<w:u w:val=\"single\"/>" : "<w:u w:val=\"none\"/>";
  }
  return properties.empty() ? properties : "<w:rPr>" + properties + "</w:rPr>";
}

// One run of equal boldness; a line break inside it becomes a soft break.
std::string run(const DocumentParagraph& paragraph, std::string_view text, bool bold) {
  std::string xml = "<w:r>" + runProperties(paragraph, bold);
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\n', start);
    const std::string_view line = text.substr(start, end - start);
    if (!line.empty()) xml += "<w:t xml:space=\"preserve\">" + xmlEscaped(line) + "</w:t>";
    if (end == std::string_view::npos) break;
    xml += "<w:br/>";
    start = end + 1;
  }
  return xml + "</w:r>";
}

std::string paragraphXml(const DocumentParagraph& paragraph) {
  // Paragraph properties in the order the schema requires: the page break, then the alignment.
  std::string properties = paragraph.pageBreakBefore ? "<w:pageBreakBefore/>" : "";
  if (paragraph.centred) properties += "<w:jc w:val=\"center\"/>";
  properties += runProperties(paragraph, false);
  std::string xml = properties.empty() ? "<w:p>" : "<w:p><w:pPr>" + properties + "</w:pPr>";
  for (const TextRun& part : paragraph.runs) xml += run(paragraph, part.text, part.bold);
  return xml + "</w:p>";
}

}  // namespace

// The document's defaults: Book Antiqua, 12 pt, justified, no space between paragraphs.
std::string stylesPart() {
  const std::string font{kDocumentFont};
  const std::string size = std::to_string(kDocumentHalfPoints);
  return xmlPart(
      "<w:styles " + std::string{kWordNamespace} +
      "><w:docDefaults><w:rPrDefault><w:rPr>"
      "<w:rFonts w:ascii=\"" +
      font + "\" w:eastAsia=\"" + font + "\" w:hAnsi=\"" + font + "\" w:cs=\"" + font +
      "\"/><w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size +
      "\"/><w:lang w:val=\"en-US\"/>"
      "</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr>"
      "<w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/><w:jc w:val=\"both\"/>"
      "</w:pPr></w:pPrDefault></w:docDefaults>"
      "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"
      "<w:qFormat/></w:style></w:styles>");
}

// Both fonts are declared serif faces, so a word processor that lacks them
// substitutes a serif face.
std::string fontTablePart() {
  std::string fonts;
  for (const char* name : {"Book Antiqua", "Palatino Linotype"}) {
    fonts += "<w:font w:name=\"" + std::string{name} +
             "\"><w:charset w:val=\"00\"/><w:family w:val=\"roman\"/>"
             "<w:pitch w:val=\"variable\"/></w:font>";
  }
  return xmlPart("<w:fonts " + std::string{kWordNamespace} + ">" + fonts + "</w:fonts>");
}

std::string settingsPart() {
  return xmlPart("<w:settings " + std::string{kWordNamespace} +
                 "><w:defaultTabStop w:val=\"720\"/><w:compat><w:compatSetting "
                 "w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" "
                 "w:val=\"15\"/></w:compat></w:settings>");
}

std::string corePropertiesPart() {
  return xmlPart(
      "<cp:coreProperties "
      "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
      "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>Dismissal</dc:title>"
      "<dc:creator>Corvane</dc:creator></cp:coreProperties>");
}

std::string appPropertiesPart() {
  return xmlPart(
      "<Properties "
      "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
      "<Application>Corvane</Application></Properties>");
}

// One section: landscape, with the margins and columns of output/page_layout.h.
std::string documentPart(const std::vector<DocumentParagraph>& paragraphs, Paper paper) {
  std::string body;
  for (const DocumentParagraph& paragraph : paragraphs) body += paragraphXml(paragraph);
  const PageSize page = landscapePage(paper);
  body += "<w:sectPr><w:pgSz w:w=\"" + std::to_string(page.width) + "\" w:h=\"" +
          std::to_string(page.height) + "\" w:orient=\"landscape\"/>";
  const std::string margin = std::to_string(kPageMarginTwips);
  body += "<w:pgMar w:top=\"" + margin + "\" w:right=\"" + margin + "\" w:bottom=\"" + margin +
          "\" w:left=\"" + margin + "\" w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/>";
  body += "<w:cols w:num=\"" + std::to_string(kColumnCount) + "\" w:space=\"" +
          std::to_string(kColumnGapTwips) + "\"/></w:sectPr>";
  return xmlPart("<w:document " + std::string{kWordNamespace} + "><w:body>" + body +
                 "</w:body></w:document>");
}

namespace {

// Every part of the package, in the order of the archive after the content
// types and the package's relationships: its name, its content type, the
// relationship by which the package or the document reaches it, and what
// builds it. The content types, both relationship parts and the archive are
// all made from this one table, so no part can be named and missing.
enum class ReachedBy : std::uint8_t { package, document };

struct PartRow {
  std::string_view name;
  std::string_view contentType;
  ReachedBy reachedBy;
  std::string_view relationshipType;
  std::string (*build)(const std::vector<DocumentParagraph>&, Paper);
};

// clang-format off
const PartRow kParts[] = {
    {"word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml", ReachedBy::package, "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument", documentPart},
    {"word/styles.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml", ReachedBy::document, "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles", [](const auto&, Paper) { return stylesPart(); }},
    {"word/fontTable.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml", ReachedBy::document, "http://schemas.openxmlformats.org/officeDocument/2006/relationships/fontTable", [](const auto&, Paper) { return fontTablePart(); }},
    {"word/settings.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml", ReachedBy::document, "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings", [](const auto&, Paper) { return settingsPart(); }},
    {"docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml", ReachedBy::package, "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties", [](const auto&, Paper) { return corePropertiesPart(); }},
    {"docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml", ReachedBy::package, "http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties", [](const auto&, Paper) { return appPropertiesPart(); }},
};
// clang-format on

constexpr std::string_view kDocumentFolder = "word/";

// The relationships of the package or of the document, numbered in table order;
// the document's targets are relative to its own folder.
std::string relationshipsPart(ReachedBy owner) {
  std::string body =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  int id = 0;
  for (const PartRow& part : kParts) {
    if (part.reachedBy != owner) continue;
    std::string_view target = part.name;
    if (owner == ReachedBy::document) target.remove_prefix(kDocumentFolder.size());
    body += "<Relationship Id=\"rId" + std::to_string(++id) + "\" Type=\"" +
            std::string{part.relationshipType} + "\" Target=\"" + std::string{target} + "\"/>";
  }
  return xmlPart(body + "</Relationships>");
}

}  // namespace

std::string contentTypesPart() {
  std::string body =
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
  for (const PartRow& part : kParts) {
    body += "<Override PartName=\"/" + std::string{part.name} + "\" ContentType=\"" +
            std::string{part.contentType} + "\"/>";
  }
  return xmlPart(body + "</Types>");
}

std::string packageRelationshipsPart() {
  return relationshipsPart(ReachedBy::package);
}

std::string documentRelationshipsPart() {
  return relationshipsPart(ReachedBy::document);
}

std::vector<PackagePart> docxParts(const std::vector<DocumentParagraph>& paragraphs, Paper paper) {
  std::vector<PackagePart> parts;
  parts.push_back({"[Content_Types].xml", contentTypesPart()});
  parts.push_back({"_rels/.rels", packageRelationshipsPart()});
  for (const PartRow& part : kParts) {
    parts.push_back({std::string{part.name}, part.build(paragraphs, paper)});
    if (part.name == "word/document.xml") {
      parts.push_back({"word/_rels/document.xml.rels", documentRelationshipsPart()});
    }
  }
  return parts;
}

}  // namespace corvane
