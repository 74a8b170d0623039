// Colouring of the marks in a document that shows a report: the ranges the report's writer
// recorded as the insides of its brackets get a format of its own, the brackets keep theirs.
#pragma once

#include <QTextCursor>
#include <vector>

#include "report/BoxRanges.h"

class QTextCharFormat;
class QTextDocument;

class MarkPainter {
 public:
  // `document` must outlive the painter.
  explicit MarkPainter(QTextDocument* document) : m_document(document) {}

  // Applies `format` to every range (positions in the document's text, as the engine's box ranges
  // give them), as one edit block (one undo step, or part of the caller's block). Returns a cursor
  // selecting the last coloured range, or the whole text when there is none.
  QTextCursor Colour(const std::vector<BoxRange>& ranges, const QTextCharFormat& format) const;

 private:
  QTextDocument* m_document;
};
