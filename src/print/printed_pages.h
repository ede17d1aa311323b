#pragma once

#include <vector>

#include "base/result.h"
#include "output/document_paragraphs.h"
#include "output/paper.h"

class QPageLayout;
class QPagedPaintDevice;

namespace corvane {

// The page of the document on a paper: landscape, with its margins.
QPageLayout printedPageLayout(Paper paper);

// Draws the document's paragraphs on the device's pages as the .docx lays them
// out: in the area inside the device's margins, in two columns, each
// paragraph in its font and size with its bold clauses, a paragraph that asks
// for it on a new page (one dismissal a page in a booklet). The fonts are the
// document's, found through fontconfig, with the free Palatino designs and
// then any serif in their place.
[[nodiscard]] Done paintDocument(QPagedPaintDevice& device,
                                 const std::vector<DocumentParagraph>& paragraphs);

}  // namespace corvane
