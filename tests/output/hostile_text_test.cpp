// Typed patron phrases of every kind, drawn from a fixed seed, through the
// document and the text file: no output is corrupted and a reader sees what
// was typed, less only what XML cannot hold.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <random>
#include <string>
#include <vector>

#include "composer/composed.h"
#include "output/text_file.h"
#include "output/windows_1252.h"
#include "output/word_document.h"
#include "state/english_date.h"
#include "support/zip_reading.h"

namespace corvane {
namespace {

using namespace std::chrono;

// A piece of a phrase, and what a reader of the document sees of it.
struct Piece {
  std::string typed;
  std::string inDocument;
};

// Letters, XML's specials, control characters, characters beyond the Basic
// Multilingual Plane, other scripts, line breaks, blanks, and characters XML forbids.
const std::vector<Piece> kPieces = {
    {"of St. ", "of St. "},
    {"Herman", "Herman"},
    {" ", " "},
    {"  ", "  "},
    {"<", "<"},
    {">", ">"},
    {"&", "&"},
    {"\"", "\""},
    {"'", "'"},
    {"&amp;", "&amp;"},
    {"]]>", "]]>"},
    {"<w:t>", "<w:t>"},
    {"\x01", ""},
    {"\x07", ""},
    {"\x0B", ""},
    {"\x0C", ""},
    {"\x1F", ""},
    {"\x7F", "\x7F"},
    {"\t", "\t"},
    {"\xF0\x9F\x95\x8A", "\xF0\x9F\x95\x8A"},  // U+1F54A, a dove
    {"Ἀθανάσιος", "Ἀθανάσιος"},
    {"Серафим", "Серафим"},
    {"Evlámpius", "Evlámpius"},
    {"€", "€"},
    {"\xE2\x80\xA8", "\xE2\x80\xA8"},  // U+2028
    {"\xEF\xBF\xBE", ""},              // U+FFFE: forbidden in XML
    {"\xEF\xBF\xBF", ""},              // U+FFFF
    {"\xED\xA0\x80", ""},              // a surrogate: not UTF-8
    {"\xC3", ""},                      // cut short
    {"\n", "\n"},
    {"\n\n", "\n\n"},
};

// The sentence's paragraph as a reader of the document sees it.
std::string sentenceOf(const pugi::xml_document& document) {
  pugi::xml_node paragraph = document.child("w:document").child("w:body").child("w:p");
  for (int i = 0; i < 3; ++i) paragraph = paragraph.next_sibling("w:p");
  std::string text;
  for (pugi::xml_node run : paragraph.children("w:r")) {
    for (pugi::xml_node piece : run.children()) {
      if (std::string_view{piece.name()} == "w:t") text += piece.text().get();
      if (std::string_view{piece.name()} == "w:br") text += '\n';
    }
  }
  return text;
}

std::string crLf(std::string text) {
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
    text.replace(at, 1, "\r\n");
  }
  return text;
}

TEST(HostileText, TypedPhrasesNeverCorruptAnOutput) {
  std::mt19937 random{20261206};
  for (int round = 0; round < 300; ++round) {
    std::string typed, seen;
    const int count = std::uniform_int_distribution<int>{1, 24}(random);
    for (int i = 0; i < count; ++i) {
      const Piece& piece =
          kPieces[std::uniform_int_distribution<std::size_t>{0, kPieces.size() - 1}(random)];
      typed += piece.typed;
      seen += piece.inDocument;
    }
    if (random() % 16 == 0) {  // very long
      typed += std::string(20000, 'x');
      seen += std::string(20000, 'x');
    }
    SCOPED_TRACE("round " + std::to_string(round) + ": " + ::testing::PrintToString(typed));
    TempleSettings settings;
    choosePatron(settings, Patron::typed, typed);
    const auto composed =
        testing::compose(Service::dailyOrthros, 2022y / October / 13, false, settings);

    const std::string document = testing::zipEntry(
        wordDocumentBytes(composed.dismissal, englishLongDate), "word/document.xml");
    pugi::xml_document parsed;
    // Blank-only text is kept, as xml:space="preserve" asks of a reader.
    ASSERT_TRUE(parsed.load_string(document.c_str(), pugi::parse_default | pugi::parse_ws_pcdata));
    EXPECT_NE(sentenceOf(parsed).find("apostles; of our father among the saints, Nicholas the "
                                      "Wonderworker, bishop of Myra in Lycia; " +
                                      seen + "; of the holy and righteous"),
              std::string::npos);
    int paragraphs = 0;
    for ([[maybe_unused]] pugi::xml_node p :
         parsed.child("w:document").child("w:body").children("w:p")) {
      ++paragraphs;
    }
    EXPECT_EQ(paragraphs, 6);

    // The text file keeps every byte typed, a line break as CR LF.
    const std::string text = decodeTextFile(textFileBytes(composed.dismissal, englishLongDate));
    EXPECT_NE(text.find("Lycia; " + crLf(typed) + "; of the holy"), std::string::npos);
  }
}

}  // namespace
}  // namespace corvane
