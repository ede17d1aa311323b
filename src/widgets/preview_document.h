#pragma once

#include <vector>

#include "output/document_paragraphs.h"

class QTextDocument;

namespace corvane {

// The preview as a rich-text document: the document's paragraphs, centred
// headings in small capitals, the day's clauses bold, every blank and empty
// line kept, so that its plain text is the text file's text.
void fillPreview(QTextDocument& document, const std::vector<DocumentParagraph>& paragraphs);

}  // namespace corvane
