// The PDF pages, read back with poppler's tools: the dismissal as text, the
// pages landscape on the paper asked for, the fonts embedded.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLocale>
#include <sstream>

#include "composer/compose.h"
#include "output/text_layout.h"
#include "print/pdf_file.h"
#include "state/english_date.h"
#include "support/pdf_reading.h"
#include "support/temporary_folder.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::commandOutput;
using testing::shellQuoted;
using testing::upper;
using testing::words;

class Pdf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::popplerInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  }

  std::filesystem::path written(const std::vector<Dismissal>& dismissals, Paper paper) {
    const std::filesystem::path file = folder.path() / "pages.pdf";
    const Done done = writePdf(file, dismissals, englishLongDate, paper);
    EXPECT_TRUE(done) << (done ? "" : done.error());
    return file;
  }

  testing::TemporaryFolder folder;
};

// The text of the file's layout, as pdftotext reads it: the two heading
// lines in small capitals come back in capitals.
void expectPageHolds(const std::string& page, const Dismissal& dismissal) {
  const std::string expected = textLayout(dismissal, englishLongDate, "\n");
  const std::size_t headingsEnd = expected.find("\n\n");
  const std::string headings = words(expected.substr(0, headingsEnd));
  const std::string body = words(expected.substr(headingsEnd));
  const std::string read = words(page);
  ASSERT_GE(read.size(), headings.size()) << read;
  EXPECT_EQ(upper(read.substr(0, headings.size())), upper(headings));
  EXPECT_EQ(read.substr(std::min(read.size(), headings.size() + 1)), body);
}

// The pages of pdftotext's answer, each ended by a form feed.
std::vector<std::string> pages(const std::string& text) {
  std::vector<std::string> split;
  std::istringstream in{text};
  for (std::string page; std::getline(in, page, '\f');) split.push_back(page);
  return split;
}

// A booklet on A4, landscape, one dismissal a page in the order of the list,
// of several kinds: the Paschal ending in eleven lines, a typed patron with a
// line break, a day of a whole dismissal of its own. A page on Letter.
TEST_F(Pdf, EachPageHoldsItsDismissalOnThePaperAskedFor) {
  TempleSettings typed;
  typed.patron = Patron::typed;
  typed.patronText = "of our father among the saints Raphael,\nbishop of Brooklyn";
  const std::vector<Dismissal> booklet = {
      compose({2025y / April / 20, Service::orthros, false}, {}),  // Pascha
      compose({2025y / September / 17, Service::dailyOrthros, false}, typed),
      compose({2026y / April / 10, Service::chrysostom, false}, {}),  // Great Friday
  };
  const std::filesystem::path file = written(booklet, Paper::a4);
  const std::vector<std::string> read = pages(testing::pdfText(file));
  ASSERT_EQ(read.size(), booklet.size());
  for (std::size_t i = 0; i < booklet.size(); ++i) expectPageHolds(read[i], booklet[i]);
  EXPECT_EQ(testing::pdfInfoField(testing::pdfInfo(file), "Page size"), "842 x 595 pts (A4)");
  const std::filesystem::path letter = written({booklet[0]}, Paper::letter);
  EXPECT_EQ(testing::pdfInfoField(testing::pdfInfo(letter), "Page size"), "792 x 612 pts (letter)");
}

// The fonts travel with the file: with the URW fonts installed, the roman and
// the bold of P052, the Palatino design that stands for Book Antiqua.
TEST_F(Pdf, TheSerifIsEmbedded) {
  if (!commandOutput("fc-list P052 family | grep -q P052")) {
    GTEST_SKIP() << "the URW fonts (fonts-urw-base35) are not installed";
  }
  const Dismissal dismissal = compose({2022y / October / 8, Service::greatVespers, false}, {});
  // Each P052 face's name (a subset's behind a tag: "ABCDEF+") and its "emb" column.
  const std::string fonts =
      commandOutput("pdffonts " + shellQuoted(written({dismissal}, Paper::letter).string()) +
                    " | awk '/P052-/ {print $1, $(NF-4)}'")
          .value_or("");
  EXPECT_NE(fonts.find("P052-Roman yes"), std::string::npos) << fonts;
  EXPECT_NE(fonts.find("P052-Bold yes"), std::string::npos) << fonts;
  EXPECT_EQ(fonts.find(" no"), std::string::npos) << fonts;
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QLocale::setDefault(QLocale::c());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
