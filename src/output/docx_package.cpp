#include "output/docx_package.h"

#include <zip.h>

#include <stdexcept>
#include <string_view>
#include <utility>

#include "output/word_document.h"
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
  std::string properties = paragraph.centred ? "<w:jc w:val=\"center\"/>" : "";
  properties += runProperties(paragraph, false);
  std::string xml = properties.empty() ? "<w:p>" : "<w:p><w:pPr>" + properties + "</w:pPr>";
  const std::string_view text = paragraph.text;
  std::size_t start = 0;
  while (start < text.size()) {
    const bool bold = paragraph.boldAt[start];
    std::size_t end = start;
    while (end < text.size() && paragraph.boldAt[end] == bold) ++end;
    xml += run(paragraph, text.substr(start, end - start), bold);
    start = end;
  }
  return xml + "</w:p>";
}

// Adds a part to the archive; libzip reads the bytes when the archive closes.
void addPart(zip_t* archive, const char* name, const std::string& bytes) {
  zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
  if (source == nullptr) throw std::runtime_error{zip_strerror(archive)};
  const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    throw std::runtime_error{zip_strerror(archive)};
  }
  const auto entry = static_cast<zip_uint64_t>(index);
  constexpr zip_uint16_t kFirstOfJanuary1980 = (0 << 9) | (1 << 5) | 1;  // DOS date
  zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 9);
  zip_file_set_dostime(archive, entry, 0, kFirstOfJanuary1980, 0);
}

}  // namespace

std::string contentTypesPart() {
  return xmlPart(
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
      "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
      "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
      "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
      "<Override PartName=\"/word/fontTable.xml\" ContentType=\"application/"
      "vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml\"/>"
      "<Override PartName=\"/word/settings.xml\" ContentType=\"application/"
      "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
      "<Override PartName=\"/docProps/core.xml\" "
      "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
      "<Override PartName=\"/docProps/app.xml\" ContentType=\"application/"
      "vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
      "</Types>");
}

std::string packageRelationshipsPart() {
  return xmlPart(
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/officeDocument\" Target=\"word/document.xml\"/>"
      "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/"
      "relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
      "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/extended-properties\" Target=\"docProps/app.xml\"/>"
      "</Relationships>");
}

std::string documentRelationshipsPart() {
  return xmlPart(
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/styles\" Target=\"styles.xml\"/>"
      "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/fontTable\" Target=\"fontTable.xml\"/>"
      "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/settings\" Target=\"settings.xml\"/>"
      "</Relationships>");
}

// The document's defaults: Book Antiqua, 12 pt, justified, no space between paragraphs.
std::string stylesPart() {
  return xmlPart(
      "<w:styles " + std::string{kWordNamespace} +
      "><w:docDefaults><w:rPrDefault><w:rPr>"
      "<w:rFonts w:ascii=\"Book Antiqua\" w:eastAsia=\"Book Antiqua\" w:hAnsi=\"Book Antiqua\" "
      "w:cs=\"Book Antiqua\"/><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/><w:lang w:val=\"en-US\"/>"
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

// US Letter landscape (11 by 8.5 inches), margins of 0.75 inch, two columns.
std::string documentPart(const std::vector<DocumentParagraph>& paragraphs) {
  std::string body;
  for (const DocumentParagraph& paragraph : paragraphs) body += paragraphXml(paragraph);
  body +=
      "<w:sectPr><w:pgSz w:w=\"15840\" w:h=\"12240\" w:orient=\"landscape\"/>"
      "<w:pgMar w:top=\"1080\" w:right=\"1080\" w:bottom=\"1080\" w:left=\"1080\" "
      "w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/>"
      "<w:cols w:num=\"2\" w:space=\"720\"/></w:sectPr>";
  return xmlPart("<w:document " + std::string{kWordNamespace} + "><w:body>" + body +
                 "</w:body></w:document>");
}

std::string docxPackage(const std::vector<DocumentParagraph>& paragraphs) {
  // Kept alive until the archive is closed, when libzip reads them.
  const std::pair<const char*, std::string> parts[] = {
      {"[Content_Types].xml", contentTypesPart()},
      {"_rels/.rels", packageRelationshipsPart()},
      {"word/document.xml", documentPart(paragraphs)},
      {"word/_rels/document.xml.rels", documentRelationshipsPart()},
      {"word/styles.xml", stylesPart()},
      {"word/fontTable.xml", fontTablePart()},
      {"word/settings.xml", settingsPart()},
      {"docProps/core.xml", corePropertiesPart()},
      {"docProps/app.xml", appPropertiesPart()},
  };

  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (memory == nullptr) throw std::runtime_error{zip_error_strerror(&error)};
  zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, &error);
  if (archive == nullptr) {
    zip_source_free(memory);
    throw std::runtime_error{zip_error_strerror(&error)};
  }
  zip_source_keep(memory);  // the bytes are read back after closing
  try {
    for (const auto& [name, bytes] : parts) addPart(archive, name, bytes);
  } catch (...) {
    zip_discard(archive);
    zip_source_free(memory);
    throw;
  }
  if (zip_close(archive) < 0) {
    const std::string why = zip_strerror(archive);
    zip_discard(archive);
    zip_source_free(memory);
    throw std::runtime_error{why};
  }

  std::string bytes;
  zip_stat_t stat;
  if (zip_source_stat(memory, &stat) == 0 && zip_source_open(memory) == 0) {
    bytes.resize(static_cast<std::size_t>(stat.size));
    const zip_int64_t read = zip_source_read(memory, bytes.data(), stat.size);
    bytes.resize(read < 0 ? 0 : static_cast<std::size_t>(read));
    zip_source_close(memory);
  }
  zip_source_free(memory);
  if (bytes.empty()) throw std::runtime_error{"the document could not be packed"};
  return bytes;
}

}  // namespace corvane
