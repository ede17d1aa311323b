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
    const std::string& text = paragraph.text;
    std::size_t start = 0;
    while (start < text.size()) {
      const bool bold = paragraph.boldAt[start];
      std::size_t end = start;
      while (end < text.size() && paragraph.boldAt[end] == bold && text[end] != '\n') ++end;
      if (end == start) {  // a typed line break stays a line break
        cursor.insertText(QString{QChar::LineSeparator}, base);
        ++start;
        continue;
      }
      QTextCharFormat run = base;
      if (bold) run.setFontWeight(QFont::Bold);
      cursor.insertText(QString::fromStdString(text.substr(start, end - start)), run);
      start = end;
    }
  }
}

}  // namespace corvane
