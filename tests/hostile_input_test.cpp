// Typed patron phrases and command lines of every kind, drawn from a fixed
// seed: no output is corrupted, nothing typed is lost, nothing crashes.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/patron_file.h"
#include "cli/cli.h"
#include "compose.h"
#include "output/english_date.h"
#include "output/text_file.h"
#include "output/windows_1252.h"
#include "output/word_document.h"
#include "output/xml_text.h"
#include "temporary_folder.h"
#include "zip_reading.h"

namespace corvane {
namespace {

using namespace std::chrono;

// Pieces a phrase is drawn from: letters, XML's specials, control
// characters, characters beyond the Basic Multilingual Plane, other scripts,
// line breaks of every kind, blanks, and characters XML forbids.
const std::vector<std::string> kPieces = {
    "of St. ",
    "Herman",
    " ",
    "  ",
    "<",
    ">",
    "&",
    "\"",
    "'",
    "&amp;",
    "]]>",
    "<w:t>",
    "\x01",
    "\x07",
    "\x0B",
    "\x0C",
    "\x1F",
    "\x7F",
    "\t",
    "\xF0\x9F\x95\x8A",  // U+1F54A, a dove
    "\xF0\x90\x8D\x88",  // U+10348
    "Ἀθανάσιος",
    "Серафим",
    "Evlámpius",
    "€",
    "\xE2\x80\xA8",  // U+2028
    "\xEF\xBF\xBE",
    "\xEF\xBF\xBF",  // U+FFFE, U+FFFF: forbidden in XML
    "\r",
    "\n",
    "\r\n",
    "\n\n",
};

std::string randomPhrase(std::mt19937& random) {
  std::string phrase;
  const int count = std::uniform_int_distribution<int>{1, 24}(random);
  for (int i = 0; i < count; ++i) {
    phrase += kPieces[std::uniform_int_distribution<std::size_t>{0, kPieces.size() - 1}(random)];
  }
  if (random() % 16 == 0) phrase += std::string(20000, 'x');  // very long
  return phrase;
}

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

TEST(HostileInput, TypedPhrasesNeverCorruptAnOutput) {
  std::mt19937 random{20261206};
  testing::TemporaryFolder folder;
  const PatronFile patronFile{folder.path() / "inpat.txt"};
  for (int round = 0; round < 300; ++round) {
    const std::string typed = normalizeLineBreaks(randomPhrase(random));
    TempleSettings settings;
    choosePatron(settings, Patron::typed, typed);
    const auto composed =
        testing::compose(Service::dailyOrthros, 2022y / October / 13, false, settings);
    const ComposedDismissal dismissal =
        composedFrom(composed.state, composed.settings, englishLongDate);

    const std::string document =
        testing::zipEntry(wordDocumentBytes(dismissal), "word/document.xml");
    pugi::xml_document parsed;
    // Blank-only text is kept, as xml:space="preserve" asks of a reader.
    ASSERT_TRUE(parsed.load_string(document.c_str(), pugi::parse_default | pugi::parse_ws_pcdata))
        << "round " << round;
    const std::string sentence = sentenceOf(parsed);
    EXPECT_NE(sentence.find(withoutForbiddenXmlCharacters(typed) + "; "), std::string::npos)
        << "round " << round << ": " << ::testing::PrintToString(typed);
    int paragraphs = 0;
    for ([[maybe_unused]] pugi::xml_node p :
         parsed.child("w:document").child("w:body").children("w:p")) {
      ++paragraphs;
    }
    EXPECT_EQ(paragraphs, 6) << "round " << round;

    const std::string text = decodeTextFile(textFileBytes(dismissal));
    EXPECT_NE(text.find(withLineBreaks(typed, "\r\n") + "; "), std::string::npos)
        << "round " << round;

    if (typed.empty()) continue;  // an empty phrase is never stored
    ASSERT_FALSE(patronFile.write(typed));
    std::string problem;
    EXPECT_EQ(patronFile.read(problem), typed) << "round " << round;
  }
}

TEST(HostileInput, MalformedCommandLinesEndWithAMessage) {
  const std::vector<std::string> words = {"--service",
                                          "--date",
                                          "--to",
                                          "--evening",
                                          "--patron",
                                          "--patron-text",
                                          "--bishop",
                                          "--json",
                                          "--explain",
                                          "--txt",
                                          "/nonexistent-folder/x.txt",
                                          "orthros",
                                          "basil",
                                          "great-vespers",
                                          "2022-10-08",
                                          "2022-02-30",
                                          "0000-00-00",
                                          "99999-01-01",
                                          "-1",
                                          "1583-01-01",
                                          "9999-12-30",
                                          "9999-12-31",
                                          "nicholas",
                                          "",
                                          " ",
                                          "\xFF\xFE",
                                          "--",
                                          "-",
                                          "--service=orthros",
                                          "--date=2022-10-08",
                                          "\x01",
                                          "Ἀ",
                                          "--help-all",
                                          "-x"};
  std::mt19937 random{1583};
  for (int round = 0; round < 2000; ++round) {
    std::vector<std::string> args = {"corvane-cli"};
    const int count = std::uniform_int_distribution<int>{0, 9}(random);
    for (int i = 0; i < count; ++i) {
      args.push_back(
          words[std::uniform_int_distribution<std::size_t>{0, words.size() - 1}(random)]);
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    std::string joined;
    for (const std::string& arg : args) joined += arg + ' ';
    ASSERT_TRUE(status == 0 || status == 1 || status == 2) << joined;
    if (status != 0) {
      const std::string message = err.str();
      EXPECT_EQ(out.str(), "") << joined;
      EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << joined << message;
    }
  }
}

}  // namespace
}  // namespace corvane
