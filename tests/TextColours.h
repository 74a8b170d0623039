// What a document shows, character by character, for the window's tests.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

// One letter per UTF-16 unit of the document's plain text: 'r' for red, 'k' for black, '?' for
// anything else (another colour, no colour set, another size or style when `checkFont` is set),
// '\n' for a paragraph break.
inline QString ColourMask(const QTextDocument& document, bool checkFont) {
  QString mask = document.toPlainText();
  for (QChar& c : mask) c = c == u'\n' ? u'\n' : u'?';
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      const bool fontOk =
          !checkFont || (qFuzzyCompare(format.fontPointSize(), 12.8) && !format.fontItalic() &&
                         !format.fontUnderline() && format.fontWeight() == QFont::Normal);
      const bool solid = format.foreground().style() == Qt::SolidPattern;
      QChar letter = u'?';
      if (fontOk && solid && format.foreground().color() == QColor(255, 0, 0)) letter = u'r';
      if (fontOk && solid && format.foreground().color() == QColor(0, 0, 0)) letter = u'k';
      for (int i = 0; i < fragment.length(); ++i) mask[fragment.position() + i] = letter;
    }
  }
  return mask;
}

// The runs of red text, in order.
inline QStringList RedRuns(const QTextDocument& document) {
  const QString text = document.toPlainText();
  const QString mask = ColourMask(document, false);
  QStringList runs;
  for (qsizetype i = 0; i < mask.size(); ++i) {
    if (mask[i] != u'r') continue;
    if (i == 0 || mask[i - 1] != u'r') runs.append(QString());
    runs.last().append(text[i]);
  }
  return runs;
}
