#include "MarkPainter.h"

#include <QTextDocument>

QTextCursor MarkPainter::Colour(const std::vector<BoxRange>& ranges,
                                const QTextCharFormat& format) const {
  QTextCursor cursor(m_document);
  if (ranges.empty()) {
    cursor.select(QTextCursor::Document);
    return cursor;
  }
  cursor.beginEditBlock();
  for (const BoxRange& range : ranges) {
    cursor.setPosition(range.start);
    cursor.setPosition(range.end, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
  }
  cursor.endEditBlock();
  return cursor;
}
