#include "MarkPainter.h"

#include <QTextDocument>

int BoxPositions::PositionOf(int32_t target) {
  if (target < m_codePoint) m_unit = m_codePoint = 0;
  while (m_codePoint < target && m_unit < m_text.size()) {
    const QChar c = m_text[m_unit];
    const bool pair =
        c.isHighSurrogate() && m_unit + 1 < m_text.size() && m_text[m_unit + 1].isLowSurrogate();
    m_codePoint += c == u'\n' ? 2 : 1;
    m_unit += pair ? 2 : 1;
  }
  return static_cast<int>(m_unit);
}

QList<MarkRange> RangesInBox(const std::vector<TextSpan>& spans, QStringView boxText) {
  QList<MarkRange> ranges;
  ranges.reserve(static_cast<qsizetype>(spans.size()));
  BoxPositions positions(boxText);
  for (const TextSpan& span : spans) {
    const int start = positions.PositionOf(span.start);
    ranges.append({start, positions.PositionOf(span.start + span.length)});
  }
  return ranges;
}

QTextCursor MarkPainter::Colour(const QList<MarkRange>& ranges,
                                const QTextCharFormat& format) const {
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
