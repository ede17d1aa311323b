// Typed patron phrases of every kind, drawn from a fixed seed, through the
// document and the text file: no output is corrupted and a reader sees what
// was typed, less only what XML cannot hold.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <random>
#include <string>
#include <vector>

#include "composer/composed.h"
#include "output_files/document_reading.h"
#include "output_files/text_file.h"
#include "output_files/word_document.h"
#include "state/english_date.h"
#include "text/windows_1252.h"

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
    {"]]>", "]]>"},
    {"<w:t>", "<w:t>"},
    {"\x01", ""},
    {"\x0C", ""},
    {"\x1F", ""},
    {"\x7F", "\x7F"},
    {"\t", "\t"},
    {"\xF0\x9F\x95\x8A", "\xF0\x9F\x95\x8A"},  // U+1F54A, a dove
    {"Ἀθανάσιος", "Ἀθανάσιος"},
    {"Evlámpius", "Evlámpius"},
    {"€", "€"},
    {"\xE2\x80\xA8", "\xE2\x80\xA8"},  // U+2028
    {"\xEF\xBF\xBE", ""},              // U+FFFE: forbidden in XML
    {"\xED\xA0\x80", ""},              // a surrogate: not UTF-8
    {"\xC3", ""},                      // cut short
    {"\n", "\n"},
};

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
    // As it is, past the cleaning every typed phrase goes through first
    // (settings/patron.h): the outputs are sound whatever they are given.
    TempleSettings settings;
    settings.patron = Patron::typed;
    settings.patronText = typed;
    const auto composed =
        testing::compose(Service::dailyOrthros, 2022y / October / 13, false, settings);

    pugi::xml_document xml;
    const auto paragraphs =
        testing::paragraphsOf(wordDocumentBytes(composed.dismissal, englishLongDate).value(), xml);
    ASSERT_EQ(paragraphs.size(), 6u);
    EXPECT_NE(paragraphs[3].text.find("apostles; of our father among the saints, Nicholas the "
                                      "Wonderworker, bishop of Myra in Lycia; " +
                                      seen + "; of the holy and righteous"),
              std::string::npos);

    // The text file keeps every byte typed, a line break as CR LF.
    const std::string text = decodeTextFile(textFileBytes(composed.dismissal, englishLongDate));
    EXPECT_NE(text.find("Lycia; " + crLf(typed) + "; of the holy"), std::string::npos);
  }
}

}  // namespace
}  // namespace corvane
