#include <QTest>
#include <QTextCharFormat>
#include <QTextDocument>

#include "MarkPainter.h"

using namespace Qt::StringLiterals;

class TestMarkPainter : public QObject {
  Q_OBJECT

 private slots:
  // What a report holds: merged marks, the blank of the summary's "【 】", characters outside the
  // Basic Multilingual Plane. Reports carry no "【" or "】" but the marks, so the unbalanced texts
  // the walk also handles never reach it.
  void findRanges() {
    const QString text = u"𠀀【a𠀁|b】 【所述】\n𠀂【 】"_s;
    QStringList found;
    for (const MarkRange& range : MarkPainter::FindRanges(text, u"【", u"】")) {
      found.append(text.mid(range.start, range.end - range.start));
    }
    QCOMPARE(found.join(u'/'), u"a𠀁|b/所述/ "_s);
  }

  void colourIsOneUndoStep() {
    QTextDocument document;
    document.setPlainText(u"【a】b【c】"_s);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    MarkPainter(&document).Colour(u"【", u"】", red);
    QVERIFY(document.isUndoAvailable());
    document.undo();
    QVERIFY(!document.isUndoAvailable());
    // Nothing to colour: the whole text is selected.
    QCOMPARE(MarkPainter(&document).Colour(u"<", u">", red).selectedText(), u"【a】b【c】"_s);
  }
};

QTEST_MAIN(TestMarkPainter)
#include "tst_MarkPainter.moc"
