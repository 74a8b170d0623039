#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <QTest>

#include "CheckCommand.h"
#include "ClaimsCodec.h"
#include "ProblemListModel.h"

using namespace Qt::StringLiterals;

namespace {

// "" when every row of a check of `claims` selects, in the box that shows its report, the inside
// of a "【…】" that holds the row's mark (an antecedent's "所述" and term, or the mark among
// those of a merged bracket); else what went wrong.
QString RangesFault(const QString& claims) {
  const CheckOutcome outcome = RunCheck(ToEngineText(claims), {.review = true});
  const QString box = FromEngineText(outcome.shownText);
  const QList<MarkRange> ranges = FindingRangesInBox(outcome.result, box);
  qsizetype row = 0;
  for (const ClaimResult& claim : outcome.result.claims) {
    for (const Finding& finding : claim.findings) {
      const MarkRange range = ranges.value(row++);
      const QString mark = FromEngineText(MarkOf(finding)).mid(1).chopped(1);
      const QString inside = box.mid(range.start, range.end - range.start);
      const bool holds = finding.code == FindingCode::kAntecedent
                             ? inside.startsWith(u"所述")
                             : inside.split(u'|').contains(mark);
      if (!holds || box.mid(range.start - 1, 1) != u"【" || box.mid(range.end, 1) != u"】") {
        return u"claim %1, %2: %3"_s.arg(claim.number).arg(mark, inside);
      }
    }
  }
  return row == ranges.size() ? QString()
                              : u"%1 ranges for %2 findings"_s.arg(ranges.size()).arg(row);
}

}  // namespace

class TestProblemListModel : public QObject {
  Q_OBJECT

 private slots:

  void rangesInBoxOnTheCorpus() {
    const QDir corpus(QStringLiteral(QUILLEX_CORPUS_DIR));
    const QStringList names = corpus.entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
    if (names.isEmpty()) QSKIP("no claims texts in the corpus folder");
    for (const QString& name : names) {
      QFile file(corpus.filePath(name));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(name + u": "_s + RangesFault(QString::fromUtf8(file.readAll())), name + u": "_s);
    }
  }

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
    for (const MarkRange range : {MarkRange{0, 2}, {5, 7}, {5, 7}, {9, 10}}) {
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
