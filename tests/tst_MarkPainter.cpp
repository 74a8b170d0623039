#include <QTest>
#include <QTextCharFormat>
#include <QTextDocument>

#include "MarkPainter.h"
#include "TextColours.h"

class TestMarkPainter : public QObject {
  Q_OBJECT

 private slots:
  void colour_data();
  void colour();
  void colourIsOneUndoStep();
};

namespace {

QTextCharFormat Red() {
  QTextCharFormat format;
  format.setForeground(QColor(255, 0, 0));
  return format;
}

}  // namespace

void TestMarkPainter::colour_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("open");
  QTest::addColumn<QString>("close");
  QTest::addColumn<QStringList>("red");
  QTest::addColumn<QString>("selected");

  const QString open = QStringLiteral("【");
  const QString close = QStringLiteral("】");
  QTest::newRow("no mark") << QStringLiteral("1.一种杯子。") << open << close << QStringList()
                           << QStringLiteral("1.一种杯子。");
  QTest::newRow("blank of the summary")
      << QStringLiteral("问题共有 0处（见文中的【 】标记）") << open << close
      << QStringList{QStringLiteral(" ")} << QStringLiteral(" ");
  QTest::newRow("merged marks and antecedent brackets")
      << QStringLiteral("★[Err1-1][从权4]【本权编号与前不连续|缺句号】 4.根据，【所述】手柄\n【x】")
      << open << close
      << QStringList{QStringLiteral("本权编号与前不连续|缺句号"), QStringLiteral("所述"),
                     QStringLiteral("x")}
      << QStringLiteral("x");
  QTest::newRow("characters outside the BMP count twice")
      << QStringLiteral("𠀀【a𠀁b】𠀂𠀃【c】𠀄") << open << close
      << QStringList{QStringLiteral("a𠀁b"), QStringLiteral("c")} << QStringLiteral("c");
  QTest::newRow("an opening mark inside a pair is inner text")
      << QStringLiteral("【a【b】c】【d】") << open << close << QStringList{QStringLiteral("a【b")}
      << QStringLiteral("a【b");
  QTest::newRow("a closing mark first ends the walk")
      << QStringLiteral("】【a】") << open << close << QStringList() << QStringLiteral("】【a】");
  QTest::newRow("an unclosed mark ends the walk")
      << QStringLiteral("【a】【b") << open << close << QStringList{QStringLiteral("a")}
      << QStringLiteral("a");
  QTest::newRow("an empty pair ends the walk") << QStringLiteral("【】【a】") << open << close
                                               << QStringList() << QStringLiteral("【】【a】");
  QTest::newRow("longer marks") << QStringLiteral("<<ab>>c<<d>>>") << QStringLiteral("<<")
                                << QStringLiteral(">>")
                                << QStringList{QStringLiteral("ab"), QStringLiteral("d")}
                                << QStringLiteral("d");
}

void TestMarkPainter::colour() {
  QFETCH(QString, text);
  QFETCH(QString, open);
  QFETCH(QString, close);
  QFETCH(QStringList, red);
  QFETCH(QString, selected);

  QTextDocument document;
  document.setPlainText(text);
  const QTextCursor selection = MarkPainter(&document).Colour(open, close, Red());

  QCOMPARE(RedRuns(document), red);
  QCOMPARE(selection.selectedText(), selected);
}

void TestMarkPainter::colourIsOneUndoStep() {
  QTextDocument document;
  document.setPlainText(QStringLiteral("【a】b【c】d【e】"));
  MarkPainter(&document).Colour(u"【", u"】", Red());
  QCOMPARE(RedRuns(document).size(), 3);

  document.undo();
  QCOMPARE(RedRuns(document), QStringList());
  QVERIFY(!document.isUndoAvailable());
}

QTEST_MAIN(TestMarkPainter)
#include "tst_MarkPainter.moc"
