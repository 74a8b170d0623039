// Colouring of the marks in a document that shows a report: the text strictly between an opening
// mark and the next closing mark gets a format of its own, the marks themselves keep theirs.
#pragma once

#include <QList>
#include <QStringView>
#include <QTextCursor>

class QTextCharFormat;
class QTextDocument;

// A range of positions in a text: UTF-16 code units, as QString and QTextDocument count them (a
// character outside the Basic Multilingual Plane takes two). `end` is the position after it.
struct MarkRange {
  int start = 0;
  int end = 0;
  friend bool operator==(const MarkRange&, const MarkRange&) = default;
};

class MarkPainter {
 public:
  // `document` must outlive the painter.
  explicit MarkPainter(QTextDocument* document) : m_document(document) {}

  // The ranges strictly between each `open` and the next `close`, walking `text` once from its
  // start: after each pair the walk goes on behind its `close`. The walk stops at an `open` with
  // no `close` after it, at a `close` that comes before the next `open`, and at a pair with
  // nothing inside, so an unbalanced text yields only the ranges before the fault. An `open`
  // inside a pair belongs to the inner text. Empty when `text` holds no pair; `open` and `close`
  // must not be empty.
  static QList<MarkRange> FindRanges(QStringView text, QStringView open, QStringView close);

  // Applies `format` to every range FindRanges gives for the document's text, as one edit block
  // (one undo step, or part of the caller's block). Returns a cursor selecting the last coloured
  // range, or the whole text when nothing was coloured.
  QTextCursor Colour(QStringView open, QStringView close, const QTextCharFormat& format) const;

 private:
  QTextDocument* m_document;
};
