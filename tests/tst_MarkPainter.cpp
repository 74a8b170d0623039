#include <QTest>
#include <QTextCharFormat>
#include <QTextDocument>

#include "MarkPainter.h"

using namespace Qt::StringLiterals;

class TestMarkPainter : public QObject {
  Q_OBJECT

 private slots:
  void findRanges_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("inner");  // the inner texts, joined by "/"
    QTest::newRow("merged marks, a blank, a mark inside a pair, characters outside the BMP")
        << u"𠀀【a𠀁|b】 【所述】\n𠀂【x【y】【 】"_s << u"a𠀁|b/所述/x【y/ "_s;
    QTest::newRow("a closing mark first ends the walk") << u"】【a】"_s << QString();
    QTest::newRow("an unclosed mark ends the walk") << u"【a】【b"_s << u"a"_s;
    QTest::newRow("an empty pair ends the walk") << u"【】【a】"_s << QString();
  }
  void findRanges() {
    QFETCH(QString, text);
    QFETCH(QString, inner);
    QStringList found;
    for (const MarkRange& range : MarkPainter::FindRanges(text, u"【", u"】")) {
      found.append(text.mid(range.start, range.end - range.start));
    }
    QCOMPARE(found.join(u'/'), inner);
  }

  // The walk goes on behind the whole closing mark.
  void longerMarks() {
    QCOMPARE(MarkPainter::FindRanges(u"<<a>>>b<<c>>", u"<<", u">>"),
             (QList<MarkRange>{{2, 3}, {9, 10}}));
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
