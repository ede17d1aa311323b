#include "print/printed_pages.h"

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <memory>

#include "output/page_layout.h"

namespace corvane {

namespace {

// Where the document's Book Antiqua and Palatino Linotype are missing, as on
// a Debian system: the free Palatino designs (P052 of fonts-urw-base35 first),
// and then the default serif.
constexpr const char* kPalatinoDesigns[] = {"P052", "TeX Gyre Pagella", "URW Palladio L",
                                            "Palatino"};

constexpr double kPointsPerTwip = 1.0 / 20;

QFont paragraphFont(const DocumentParagraph& paragraph) {
  QFont font;
  QStringList families{
      QString::fromUtf8(paragraph.font.empty() ? kDocumentFont.data() : paragraph.font.data(),
                        static_cast<qsizetype>(paragraph.font.empty() ? kDocumentFont.size()
                                                                      : paragraph.font.size()))};
  for (const char* design : kPalatinoDesigns) families << QString::fromLatin1(design);
  font.setFamilies(families);
  font.setStyleHint(QFont::Serif);
  const int halfPoints = paragraph.halfPoints != 0 ? paragraph.halfPoints : kDocumentHalfPoints;
  font.setPointSizeF(halfPoints / 2.0);
  font.setBold(paragraph.bold);
  font.setItalic(paragraph.italic.value_or(false));
  font.setUnderline(paragraph.underline.value_or(false));
  font.setCapitalization(paragraph.smallCaps ? QFont::SmallCaps : QFont::MixedCase);
  return font;
}

// The paragraph's text for Qt, a typed line break as a line separator, and
// its bold clauses as ranges of that text.
std::unique_ptr<QTextLayout> paragraphLayout(const DocumentParagraph& paragraph,
                                             QPaintDevice& device) {
  QString text;
  QList<QTextLayout::FormatRange> boldRanges;
  for (const TextRun& part : paragraph.runs) {
    QString run = QString::fromStdString(part.text);
    run.replace(QLatin1Char('\n'), QChar::LineSeparator);
    if (part.bold) {
      QTextLayout::FormatRange range;
      range.start = static_cast<int>(text.size());
      range.length = static_cast<int>(run.size());
      range.format.setFontWeight(QFont::Bold);
      boldRanges << range;
    }
    text += run;
  }
  auto layout = std::make_unique<QTextLayout>(text, paragraphFont(paragraph), &device);
  QTextOption option{paragraph.centred ? Qt::AlignHCenter : Qt::AlignJustify};
  option.setWrapMode(QTextOption::WordWrap);
  layout->setTextOption(option);
  layout->setFormats(boldRanges);
  return layout;
}

// A line where it is drawn: on which page, at which point of the page's area.
struct PlacedLine {
  QTextLine line;
  int page;
  QPointF at;
};

// Fills the columns top to bottom and the pages one after another.
class ColumnFlow {
 public:
  ColumnFlow(QSizeF area, double gap)
      : columnWidth_((area.width() - gap * (kColumnCount - 1)) / kColumnCount),
        columnHeight_(area.height()),
        gap_(gap) {}

  double columnWidth() const { return columnWidth_; }
  int lastPage() const { return page_; }

  void newPage() {
    if (page_ == 0 && column_ == 0 && y_ == 0) return;  // the first page is new already
    ++page_;
    column_ = 0;
    y_ = 0;
  }

  // Where a line of this height goes; a line that does not fit in what is
  // left of a column starts the next column, or the next page.
  PlacedLine place(QTextLine line, double height) {
    if (y_ > 0 && y_ + height > columnHeight_) {
      if (++column_ == kColumnCount) {
        ++page_;
        column_ = 0;
      }
      y_ = 0;
    }
    const PlacedLine placed{line, page_, QPointF{column_ * (columnWidth_ + gap_), y_}};
    y_ += height;
    return placed;
  }

 private:
  double columnWidth_;
  double columnHeight_;
  double gap_;
  int page_ = 0;
  int column_ = 0;
  double y_ = 0;
};

}  // namespace

QPageLayout printedPageLayout(Paper paper) {
  const double margin = kPageMarginTwips * kPointsPerTwip;
  return QPageLayout{QPageSize{paper == Paper::a4 ? QPageSize::A4 : QPageSize::Letter},
                     QPageLayout::Landscape, QMarginsF{margin, margin, margin, margin},
                     QPageLayout::Point};
}

Done paintDocument(QPagedPaintDevice& device, const std::vector<DocumentParagraph>& paragraphs) {
  const int dpi = device.logicalDpiY();
  const QSizeF area = device.pageLayout().paintRectPixels(dpi).size();
  ColumnFlow flow{area, static_cast<double>(kColumnGapTwips) * dpi / kTwipsPerInch};

  std::vector<std::unique_ptr<QTextLayout>> layouts;
  std::vector<PlacedLine> lines;
  for (const DocumentParagraph& paragraph : paragraphs) {
    if (paragraph.pageBreakBefore) flow.newPage();
    layouts.push_back(paragraphLayout(paragraph, device));
    QTextLayout& layout = *layouts.back();
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(flow.columnWidth());
      line.setLeadingIncluded(true);
      line.setPosition({0, 0});
      lines.push_back(flow.place(line, line.height()));
    }
    layout.endLayout();
  }

  QPainter painter;
  if (!painter.begin(&device)) return Failure{"Cannot draw on the printer's pages"};
  painter.setPen(Qt::black);  // ink on paper, whatever the screen's colours
  for (int page = 0; page <= flow.lastPage(); ++page) {
    if (page > 0 && !device.newPage()) return Failure{"Cannot start a new page on the printer"};
    for (const PlacedLine& placed : lines) {
      if (placed.page == page) placed.line.draw(&painter, placed.at);
    }
  }
  if (!painter.end()) return Failure{"Cannot finish the printed pages"};
  return {};
}

}  // namespace corvane
