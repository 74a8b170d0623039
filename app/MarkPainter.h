// Colouring of the marks in a document that shows a report: the ranges the report's writer
// recorded as the insides of its brackets get a format of its own, the brackets keep theirs.
#pragma once

#include <QList>
#include <QStringView>
#include <QTextCursor>
#include <cstdint>
#include <vector>

#include "text/TextSpan.h"

class QTextCharFormat;
class QTextDocument;

// A range of positions in a text: UTF-16 code units, as QString and QTextDocument count them (a
// character outside the Basic Multilingual Plane takes two). `end` is the position after it.
struct MarkRange {
  int start = 0;
  int end = 0;
  friend bool operator==(const MarkRange&, const MarkRange&) = default;
};

// Positions in a box that holds a report, from the report's code points: a "\n" of the box stands
// for the report's "\r\n", a surrogate pair for one code point.
class BoxPositions {
 public:
  explicit BoxPositions(QStringView boxText) : m_text(boxText) {}

  // The box position of the report's code point `target`. Places asked in ascending order cost
  // one walk in all; a place behind the walk starts it again.
  int PositionOf(int32_t target);

 private:
  QStringView m_text;
  qsizetype m_unit = 0;
  int32_t m_codePoint = 0;
};

// The box ranges of `spans`, code points of the report that the box holds as `boxText`.
QList<MarkRange> RangesInBox(const std::vector<TextSpan>& spans, QStringView boxText);

class MarkPainter {
 public:
  // `document` must outlive the painter.
  explicit MarkPainter(QTextDocument* document) : m_document(document) {}

  // Applies `format` to every range, as one edit block (one undo step, or part of the caller's
  // block). Returns a cursor selecting the last coloured range, or the whole text when there is
  // none.
  QTextCursor Colour(const QList<MarkRange>& ranges, const QTextCharFormat& format) const;

 private:
  QTextDocument* m_document;
};
