#include "MarkPainter.h"

#include <QTextDocument>

QList<MarkRange> MarkPainter::FindRanges(QStringView text, QStringView open, QStringView close) {
  QList<MarkRange> ranges;
  qsizetype pos = 0;
  for (;;) {
    // Both searches start at the same place, so a closing mark standing before the next opening
    // mark is seen and ends the walk instead of pairing with a later one.
    const qsizetype openAt = text.indexOf(open, pos);
    if (openAt < 0) break;
    const qsizetype inner = openAt + open.size();
    const qsizetype closeAt = text.indexOf(close, pos);
    if (closeAt <= inner) break;
    ranges.append({static_cast<int>(inner), static_cast<int>(closeAt)});
    pos = closeAt + close.size();
  }
  return ranges;
}

QTextCursor MarkPainter::Colour(QStringView open, QStringView close,
                                const QTextCharFormat& format) const {
  // toPlainText keeps one character per document position: a paragraph break becomes "\n".
  const QList<MarkRange> ranges = FindRanges(m_document->toPlainText(), open, close);
  QTextCursor cursor(m_document);
  if (ranges.isEmpty()) {
    cursor.select(QTextCursor::Document);
    return cursor;
  }
  cursor.beginEditBlock();
  for (const MarkRange& range : ranges) {
    cursor.setPosition(range.start);
    cursor.setPosition(range.end, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
  }
  cursor.endEditBlock();
  return cursor;
}
