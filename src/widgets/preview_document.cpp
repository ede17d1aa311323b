#include "widgets/preview_document.h"

#include <QTextCursor>
#include <QTextDocument>

namespace corvane {

void fillPreview(QTextDocument& document, const std::vector<DocumentParagraph>& paragraphs) {
  document.clear();
  QTextCursor cursor{&document};
  bool first = true;
  for (const DocumentParagraph& paragraph : paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(paragraph.centred ? Qt::AlignHCenter : Qt::AlignJustify);
    QTextCharFormat base;
    base.setFontWeight(paragraph.bold ? QFont::Bold : QFont::Normal);
    base.setFontCapitalization(paragraph.smallCaps ? QFont::SmallCaps : QFont::MixedCase);
    base.setFontItalic(paragraph.italic.value_or(false));
    base.setFontUnderline(paragraph.underline.value_or(false));
    if (first) {
      cursor.setBlockFormat(block);
      first = false;
    } else {
      cursor.insertBlock(block);
    }
    for (const TextRun& part : paragraph.runs) {
      QTextCharFormat run = base;
      if (part.bold) run.setFontWeight(QFont::Bold);
      QString text = QString::fromStdString(part.text);
      text.replace(QLatin1Char('\n'), QChar::LineSeparator);  // a line break stays one
      cursor.insertText(text, run);
    }
  }
}

}  // namespace corvane
