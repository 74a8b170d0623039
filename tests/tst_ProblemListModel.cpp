#include <QStandardItemModel>
#include <QTest>

#include "ProblemListModel.h"

class TestProblemListModel : public QObject {
  Q_OBJECT

 private slots:
  // Rows 0 to 3 over the ranges 0-2, 5-7 (a merged bracket of two findings) and 9-10: where F8
  // and Shift+F8 go from each position.
  void rowsAround_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("before");
    QTest::newRow("the start") << 0 << 0 << 3;
    QTest::newRow("inside the first") << 1 << 1 << 3;
    QTest::newRow("at the first's end") << 2 << 1 << 0;
    QTest::newRow("at a merged bracket's start") << 5 << 1 << 0;
    QTest::newRow("inside it") << 6 << 3 << 0;
    QTest::newRow("at its end: its first row") << 7 << 3 << 1;
    QTest::newRow("at the last's start") << 9 << 3 << 1;
    QTest::newRow("at the end") << 10 << 0 << 3;
  }
  void rowsAround() {
    QFETCH(int, position);
    QFETCH(int, after);
    QFETCH(int, before);
    QStandardItemModel rows;
    for (const BoxRange range : {BoxRange{0, 2}, {5, 7}, {5, 7}, {9, 10}}) {
      auto* item = new QStandardItem;
      item->setData(range.start, ProblemListModel::kRangeStartRole);
      item->setData(range.end, ProblemListModel::kRangeEndRole);
      rows.appendRow(item);
    }
    QCOMPARE(RowAfter(rows, position), after);
    QCOMPARE(RowBefore(rows, position), before);
    QStandardItemModel none;
    QVERIFY(RowAfter(none, position) == -1 && RowBefore(none, position) == -1);
  }
};

QTEST_MAIN(TestProblemListModel)
#include "tst_ProblemListModel.moc"
