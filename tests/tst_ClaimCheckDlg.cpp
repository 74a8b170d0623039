#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTreeView>

#include "AppResources.h"
#include "CheckCommand.h"
#include "ClaimCheckDlg.h"
#include "ClaimsCodec.h"
#include "MessageSink.h"
#include "ProblemListModel.h"
#include "claims/ClaimRecord.h"
#include "support/ReviewedCopyReading.h"

using namespace Qt::StringLiterals;

namespace {

// A character outside the Basic Multilingual Plane before the marks: the box counts it twice.
const QString kWorkedExample =
    u"权利要求书\n"
    "1. 一种杯子，其特征在于，包括杯体和杯盖𠀀。\n"
    "2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。\n"
    "4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形"_s;
const QString kCleanClaims =
    u"1.一种杯子，其特征在于，包括杯体和杯盖。\n"
    "2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷。"_s;
// The red runs of a document's text in order. In the box (`inBox`), a run in neither of its two
// formats (black, and red for the inside of a mark), as pasted formatting would be, gives "?".
QStringList RedRuns(const QTextDocument& document, bool inBox = true) {
  QStringList runs;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment run = it.fragment();
      const QTextCharFormat format = run.charFormat();
      if (format.foreground().color() == Qt::red && (!inBox || format == g_markFormat)) {
        runs.append(run.text());
      } else if (inBox && format != g_normalFormat) {
        runs.append(u"?"_s);
      }
    }
  }
  return runs;
}

}  // namespace

class TestClaimCheckDlg : public QObject {
  Q_OBJECT

  std::unique_ptr<CClaimCheckDlg> m_dlg;
  QStringList m_messages;  // every message box the window asked for, in order

  // Shows a fresh window and waits until it is active, so that its shortcuts work; then ticks
  // "更多检查" when `review` and pastes `text` into its box, when there is one.
  void Open(const QString& text = {}, bool review = false) {
    m_dlg = std::make_unique<CClaimCheckDlg>();
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    if (review) Button(u"更多检查"_s)->setChecked(true);
    if (!text.isNull()) Paste(text);
  }
  QPlainTextEdit* Box() const { return m_dlg->findChild<QPlainTextEdit*>(); }
  QTreeView* List() const { return m_dlg->findChild<QTreeView*>(); }
  QString Status() const { return m_dlg->findChild<QStatusBar*>()->findChild<QLabel*>()->text(); }
  // The button or check box with `caption`.
  QAbstractButton* Button(const QString& caption) const {
    for (auto* button : m_dlg->findChildren<QAbstractButton*>()) {
      if (button->text() == caption) return button;
    }
    return nullptr;
  }
  // Does each of `steps`, joined by "/": a caption clicks its button (with the mouse, which moves
  // the focus, when `mouse`), "row N" clicks row N of the list, anything else is keys pressed
  // wherever the focus is.
  void Do(const QString& steps, bool mouse = false) {
    for (const QString& step : steps.split(u'/', Qt::SkipEmptyParts)) {
      if (step.startsWith(u"row ")) {
        const QModelIndex index = List()->model()->index(step.mid(4).toInt(), 1);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->visualRect(index).center());
      } else if (QAbstractButton* button = Button(step)) {
        if (mouse) QTest::mouseClick(button, Qt::LeftButton);
        if (!mouse) button->click();
      } else {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(step));
      }
    }
  }
  // The clipboard offers formatted text too; the box must take only the characters.
  void Paste(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(u"<b><i><span style='color:#0000ff;font-size:30pt'>"_s + text.toHtmlEscaped() +
                  u"</span></i></b>"_s);
    QGuiApplication::clipboard()->setMimeData(data);
    Box()->setFocus();
    QTest::keyClick(Box(), Qt::Key_V, Qt::ControlModifier);
  }

 private slots:
  // Settings go to the test's own place, never the user's, and each test starts without them.
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    QSettings().remove(CClaimCheckDlg::kMoreChecksSetting);
    m_messages.clear();
    SetMessageSink([this](const std::string& text) { m_messages.append(FromEngineText(text)); });
  }
  void cleanup() {
    m_dlg.reset();
    SetMessageSink(nullptr);
  }

  // The icon and the help text are built in; the box has the focus and takes what the window
  // gains, and the row of buttons stays under it.
  void window() {
    Open();
    QVERIFY(!m_dlg->windowIcon().isNull() && !HelpText().isEmpty());
    QCOMPARE(QApplication::focusWidget(), Box());
    QVERIFY(static_cast<QPushButton*>(Button(u"开始检查"_s))->isDefault());
    const QSize box = Box()->size();
    m_dlg->resize(m_dlg->size() + QSize(600, 350));
    QTRY_COMPARE(Box()->size(), box + QSize(600, 350));
    for (auto* button : m_dlg->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
      QVERIFY(button->y() > Box()->geometry().bottom());
    }
  }

  // Each command on a pasted text, after the ones before it: what the box shows, what is red, what
  // messages came; then Ctrl+Z brings back the text and its colours wherever the focus went, and
  // Ctrl+Shift+Z does the command again. Texts pasted as drafters paste them get the engine's report
  // of the same text: the box hands every character over as pasted (a no-break space not made a
  // blank, a paragraph separator made a block break) and the check reads them all.
  void commands_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("commands");  // steps, as Do takes them
    QTest::addColumn<QString>("shown");     // "*": the engine's report of the pasted text; "-": any
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("messages");
    const QString noClaimOne = u"未找到权1 ?\n\n 请检查"_s;
    const QString congratulation = u"恭喜 :-)\n\n未发现常见形式错误"_s;
    // The box is red exactly where the result says the report's brackets hold something, the
    // summary's "【 】" included, whatever the box counts in positions.
    QTest::newRow("a report with marks, a character outside the BMP before them")
        << kWorkedExample << u"开始检查"_s << u"*"_s << u" /所述/本权编号与前不连续|缺句号"_s << QString();
    QTest::newRow("更多检查 ticked")
        << kWorkedExample + u"\n5.根据权利要求1所述的杯子，其特征在于，优选杯盖。"_s << u"更多检查/开始检查"_s
        << u"*"_s << u" /所述/本权编号与前不连续|缺句号/用语不确定：优选"_s << QString();
    QTest::newRow("no summary: every claim dependent")
        << u"1.根据权利要求1所述的杯子，其特征在于，所述手柄。"_s << u"开始检查"_s << u"*"_s
        << u"有的父权编号过大"_s << QString();
    QTest::newRow("a mark in a second paragraph; brackets the user typed are gone")
        << u"1.一种杯子，【其】特征在于，\n所述手柄。\n2.根据权利要求1所述的杯子，其特征在于，A。"_s
        << u"开始检查"_s << u"*"_s << u" /所述"_s << QString();
    const QString one = u"一种杯子，其特征在于，包括杯体。"_s;
    const QString two = u"根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷"_s;
    QTest::newRow("ideographic and no-break spaces, full-width digits, Word's manual line break")
        << u"　　1.　"_s + one + u"\v\u00A0２．"_s + QString(two).replace(u'1', u'１') << u"开始检查"_s
        << u"*"_s << u" /缺句号/所述"_s << QString();
    QTest::newRow("line and paragraph separators, next line")
        << u"\u2029权利要求书\u20281."_s + one + u"\u20292."_s + two + u"\u0085"_s << u"开始检查"_s
        << u"*"_s << u" /缺句号/所述"_s << QString();
    QTest::newRow("Ctrl+Return checks; clean claims are congratulated once")
        << kCleanClaims << u"Ctrl+Return"_s << u"*"_s << u" "_s << congratulation;
    QTest::newRow("no claim 1: the normalised text, uncoloured")
        << u"  权利要求书\n一种杯子, 包括（杯体）和【杯盖】: 陶瓷．\n"_s << u"开始检查"_s
        << u"权利要求书\n一种杯子，包括(杯体)和杯盖：陶瓷."_s << QString() << noClaimOne;
    QTest::newRow("an empty box") << QString() << u"开始检查"_s << QString() << QString()
                                  << QString();
    QTest::newRow("开始检查 on a report")
        << kWorkedExample << u"开始检查/开始检查"_s << u"-"_s << QString() << noClaimOne;
    QTest::newRow("清空 after a check")
        << kWorkedExample << u"开始检查/清空"_s << QString() << QString() << QString();
    QTest::newRow("帮助 after a check")
        << kWorkedExample << u"开始检查/帮助"_s << HelpText() << QString() << QString();
    QTest::newRow("Return starts a new line")
        << kCleanClaims << u"Return"_s << kCleanClaims + u'\n' << QString() << QString();
  }
  void commands() {
    QFETCH(QString, pasted);
    QFETCH(QString, commands);
    QFETCH(QString, shown);
    QFETCH(QString, red);
    QFETCH(QString, messages);
    if (shown == u'*') {
      const AnalysisOptions options{.review = commands.contains(u"更多检查")};
      shown = FromEngineText(RunCheck(ToEngineText(pasted), options).shownText);
    }
    Open(pasted);
    QCOMPARE(Box()->toPlainText(), QTextDocument(pasted).toPlainText());
    QCOMPARE(RedRuns(*Box()->document()), QStringList());
    const QStringList steps = commands.split(u'/');
    Do(QStringList(steps.begin(), steps.end() - 1).join(u'/'), true);
    const QString before = Box()->toPlainText();
    const QStringList redBefore = RedRuns(*Box()->document());
    Do(steps.last(), true);
    const QString done = Box()->toPlainText();
    if (shown != u'-') QCOMPARE(done, shown);
    QCOMPARE(RedRuns(*Box()->document()).join(u'/'), red);
    QCOMPARE(m_messages.join(u'/'), messages);
    // A check leaves the selection on the last coloured range.
    if (!red.isEmpty()) QCOMPARE(Box()->textCursor().selectedText(), red.split(u'/').last());
    if (done.isEmpty()) QVERIFY(g_claims.Count() == 0 && g_paragraphs.empty());
    if (done == before) return;
    Do(u"Ctrl+Z"_s);
    QCOMPARE(Box()->toPlainText(), before);
    QCOMPARE(RedRuns(*Box()->document()), redBefore);
    Do(u"Ctrl+Shift+Z"_s);
    QCOMPARE(Box()->toPlainText(), done);
  }

  // After a check of the cup example, keys and clicks go from finding to finding: what the box
  // selects and which row of the list is current.
  void goesToFindings_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("row");
    const QString claim2 = u"所述"_s;
    const QString claim4 = u"本权编号与前不连续|缺句号"_s;
    QTest::newRow("F8 from the last range goes to the first") << u"F8"_s << claim2 << 0;
    QTest::newRow("Shift+F8 wraps around") << u"Shift+F8/Shift+F8"_s << claim4 << 1;
    QTest::newRow("a click on a row of a merged bracket") << u"row 2"_s << claim4 << 2;
    QTest::newRow("F8 after a click") << u"row 0/F8"_s << claim4 << 1;
    QTest::newRow("only fixes: F8 passes the review finding")
        << u"只看需修改/Ctrl+Home/F8"_s << claim4 << 0;
  }
  void goesToFindings() {
    QFETCH(QString, steps);
    QFETCH(QString, selected);
    QFETCH(int, row);
    Open(kWorkedExample);
    Do(u"Ctrl+Return"_s);
    QVERIFY(List()->isVisible());
    QTRY_VERIFY(List()->viewport()->width() > 0);  // laid out once the events are processed
    Do(steps);
    QCOMPARE(Box()->textCursor().selectedText(), selected);
    QCOMPARE(List()->currentIndex().row(), row);
  }

  // The list's rows and the status line for the cup example; both follow the box through undo,
  // redo, an edit and the list's switch.
  void listFollowsTheBox() {
    Open(kWorkedExample);
    QVERIFY(!List()->isVisible() && Status().isEmpty());
    Do(u"Ctrl+Return"_s);
    QStringList rows;
    for (int row = 0; row < List()->model()->rowCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < ProblemListModel::kColumnCount; ++column) {
        cells << List()->model()->index(row, column).data().toString();
      }
      rows << cells.join(u" | ");
    }
    QCOMPARE(rows, (QStringList{
                       u"2 | 所述 | 请复核 |  | “手柄”缺乏引用基础"_s,
                       u"4 | 本权编号与前不连续 | 需修改 | →按顺序重新编号为1至3 | 编号与前一条权利要求不连续"_s,
                       u"4 | 缺句号 | 需修改 |  | 缺少句号“。”"_s,
                   }));
    const QString line =
        u"1套 · 3条权利要求 · 2条有问题 · 问题3处    需修改 2 · 请复核 1 · 提示 0"_s;
    QCOMPARE(Status(), line);
    const auto shows = [&](bool report) {
      return List()->isVisible() == report && Status() == (report ? line : QString());
    };
    Do(u"问题列表"_s);
    QVERIFY(!List()->isVisible() && Status() == line);
    // Each step, and whether the list and the status line show the report after it: F8 goes to no
    // mark of a report that was edited, and an edit in place of the report's step takes it away
    // for good.
    const std::pair<QString, bool> steps[] = {
        {u"问题列表"_s, true}, {u"Ctrl+Z"_s, false}, {u"Ctrl+Shift+Z"_s, true}, {u"x"_s, false},
        {u"F8"_s, false},     {u"Ctrl+Z"_s, true},  {u"Ctrl+Z/x/Ctrl+Z"_s, false},
    };
    for (const auto& [step, report] : steps) {
      Do(step);
      QVERIFY2(shows(report), qPrintable(step));
      QVERIFY(step != u"F8" || !Box()->textCursor().hasSelection());
    }
    QCOMPARE(List()->model()->rowCount(), 0);
  }

  // 修正 and 全部修正 (更多检查 ticked) put the corrected text into the box, then its report; the
  // first Ctrl+Z gives the corrected text back, the second the report before the fix. While the box
  // holds anything but the report (here after an undo), 修正 checks its text and corrects nothing.
  void fixes_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("steps");      // after Ctrl+Return
    QTest::addColumn<QString>("corrected");  // "" when nothing is applied
    QTest::addColumn<QString>("status");
    const QString one = u"1.一种杯子，其特征在于，包括杯体。\n"_s;
    const QString clean = u"1套 · 2条权利要求 · 0条有问题 · 问题0处    需修改 0 · 请复核 0 · 提示 0"_s;
    QTest::newRow("Ctrl+. corrects the one slip")
        << one + u"2.据权利要求1所述的杯子，其特征在于，杯体为陶瓷。"_s << u"Ctrl+."_s
        << one + u"2.根据权利要求1所述的杯子，其特征在于，杯体为陶瓷。"_s << u"已修正 1 处    "_s + clean;
    QTest::newRow("全部修正 keeps pasted spaces, full-width digits and line separators")
        << u"　　１．一种杯子，其特征在于，包括杯体。\u2028　　３．据权利要求１所述的杯子，\u2009其特征在于，杯体为陶瓷。"_s
        << u"全部修正"_s
        << u"　　１．一种杯子，其特征在于，包括杯体。\n　　２．根据权利要求１所述的杯子，\u2009其特征在于，杯体为陶瓷。"_s
        << u"已修正 2 处    "_s + clean;
    QTest::newRow("after an undo, Ctrl+. checks again")
        << one + u"2.据权利要求1所述的杯子，其特征在于，杯体为陶瓷。"_s << u"Ctrl+Z/Ctrl+."_s
        << QString() << u"2套 · 2条权利要求 · 1条有问题 · 问题1处    需修改 1 · 请复核 0 · 提示 0"_s;
  }
  void fixes() {
    QFETCH(QString, pasted);
    QFETCH(QString, steps);
    QFETCH(QString, corrected);
    QFETCH(QString, status);
    Open(pasted, true);
    Do(u"Ctrl+Return"_s);
    const QString report = Box()->toPlainText();
    Do(steps);
    const QString checked = corrected.isEmpty() ? pasted : corrected;
    QCOMPARE(Box()->toPlainText(),
             FromEngineText(RunCheck(ToEngineText(checked), {.review = true}).shownText));
    QCOMPARE(Status(), status);
    if (corrected.isEmpty()) return;
    Do(u"Ctrl+Z"_s);
    QCOMPARE(Box()->toPlainText(), corrected);
    Do(u"Ctrl+Z"_s);
    QCOMPARE(Box()->toPlainText(), report);
  }

  // "更多检查" starts off and keeps its state for the next window.
  void moreChecks() {
    Open();
    QVERIFY(!Button(u"更多检查"_s)->isChecked());
    Button(u"更多检查"_s)->click();
    Open();
    QVERIFY(Button(u"更多检查"_s)->isChecked());
    Button(u"更多检查"_s)->click();
    QVERIFY(!QSettings().value(CClaimCheckDlg::kMoreChecksSetting).toBool());
  }

  // Ctrl+S offers the report's name and writes the report as text under its count by severity,
  // or as a page with its head, its table and the box's red runs; a box edited since the check is
  // saved as it stands; a file that cannot be written is a message, not a silent failure.
  void savesTheReport_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("written");  // the name of the file written, "" for none
    QTest::newRow("text") << u"r.txt"_s << u"文本文件 (*.txt)"_s << false << u"r.txt"_s;
    QTest::newRow("a page named without its ending")
        << u"r"_s << u"网页 (*.html *.htm)"_s << false << u"r.html"_s;
    QTest::newRow("edited page") << u"r.html"_s << u"文本文件 (*.txt)"_s << true << u"r.html"_s;
    QTest::newRow("no such folder")
        << u"none/r.txt"_s << u"文本文件 (*.txt)"_s << false << QString();
  }
  void savesTheReport() {
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(bool, edited);
    QFETCH(QString, written);
    const QTemporaryDir dir;
    Open(kWorkedExample + u"\n5.根据权利要求1所述的杯子，其中x<5&y>\"2\"。"_s);
    Do(u"Ctrl+Return"_s);
    if (edited) {
      Box()->moveCursor(QTextCursor::End);
      QTest::keyClicks(Box(), u"x"_s);
    }
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      // The name the page offers too.
      QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), u"权利要求书检查报告.txt"_s);
      dialog->selectNameFilter(filter);
      dialog->selectFile(dir.filePath(name));
      static_cast<QDialog*>(dialog)->accept();
    });
    QTest::keySequence(Box(), QKeySequence::Save);
    QCOMPARE(m_messages.size(), written.isEmpty() ? 1 : 0);
    if (written.isEmpty()) {
      QVERIFY(m_messages[0].startsWith(u"无法保存到"_s));
      return;
    }
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString saved = QString::fromUtf8(file.readAll());
    const QString count = edited ? QString() : u"● 需修改 2 · ▲ 请复核 1 · ○ 提示 1\n\n"_s;
    if (written.endsWith(u".txt")) {
      QCOMPARE(saved, count + Box()->toPlainText());
      return;
    }
    QTextDocument page;
    page.setHtml(saved);
    QVERIFY(page.toPlainText().contains(Box()->toPlainText()));
    QCOMPARE(page.toPlainText().contains(u"需修改"_s), !edited);
    QCOMPARE(RedRuns(page, false), RedRuns(*Box()->document()));
  }

  // A Word document or a text file opened: its claims go into the box and are checked at once,
  // one undo bringing back the claims as opened and another what the box held before; a file
  // that cannot be opened leaves the box as it was, with one message naming it.
  void opensFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");  // the fixture's text, "" for a file refused
    QTest::newRow("word numbering") << u"numbering.docx"_s << u"numbering.txt"_s;
    QTest::newRow("text") << u"table.txt"_s << u"table.txt"_s;
    QTest::newRow("word 97") << u"word97.doc"_s << QString();
  }
  void opensFiles() {
    QFETCH(QString, file);
    QFETCH(QString, text);
    const QString data = QStringLiteral(QUILLEX_TEST_DATA_DIR "/docx/");
    Open(u"before"_s);
    QCOMPARE(m_dlg->OpenFile(data + file), !text.isEmpty());
    if (text.isEmpty()) {
      QCOMPARE(m_messages.size(), 1);
      QVERIFY(m_messages[0].contains(u"是 Word 97-2003 文档"_s));
      QCOMPARE(Box()->toPlainText(), u"before"_s);
      return;
    }
    QFile expected(data + text);
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const QString claims = QString::fromUtf8(expected.readAll());
    const CheckOutcome outcome = RunCheck(ToEngineText(claims), {}, kPlacesNone);
    QCOMPARE(Box()->toPlainText(), FromEngineText(outcome.shownText));
    Box()->undo();
    QCOMPARE(Box()->toPlainText(), claims);
    Box()->undo();
    QCOMPARE(Box()->toPlainText(), u"before"_s);
  }

  // A Word document opened and checked: 保存批注版… writes its reviewed copy, with the further
  // checks' comments when the check ran them, never over the document; once the box no longer
  // holds the document's report it is disabled.
  void savesReviewedCopies_data() {
    QTest::addColumn<bool>("review");
    QTest::addColumn<int>("comments");
    QTest::newRow("the report's checks") << false << 2;
    QTest::newRow("more checks") << true << 4;
  }
  void savesReviewedCopies() {
    QFETCH(bool, review);
    QFETCH(int, comments);
    const QString original = QStringLiteral(QUILLEX_TEST_DATA_DIR "/docx/slips.docx");
    Open({}, review);
    QAbstractButton* save = Button(u"保存批注版…"_s);
    QVERIFY(!save->isEnabled());
    QVERIFY(m_dlg->OpenFile(original));
    QVERIFY(save->isEnabled());
    QTemporaryDir folder;
    QVERIFY(m_dlg->SaveReviewedCopyTo(folder.filePath(u"slips.quillex.docx"_s)));
    QFile copy(folder.filePath(u"slips.quillex.docx"_s));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    const ReviewReading reading = ReadReviewedCopy(copy.readAll());
    QCOMPARE(std::count_if(reading.entries.begin(), reading.entries.end(),
                           [](const ReviewEntry& e) { return e.kind == u"comment"_s; }),
             comments);
    QCOMPARE(static_cast<int>(reading.entries.size()) - comments, 4);
    QVERIFY(Status().startsWith(u"已保存批注版 slips.quillex.docx"_s));
    QVERIFY(!m_dlg->SaveReviewedCopyTo(original));
    QCOMPARE(m_messages.size(), 1);
    QTest::keyClick(Box(), Qt::Key_A);
    QVERIFY(!save->isEnabled());
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

// The low four bits of a system command are the system's own.
static_assert(CClaimCheckDlg::IsAboutCommand(0x10) && CClaimCheckDlg::IsAboutCommand(0x1F));
static_assert(!CClaimCheckDlg::IsAboutCommand(0x0F) && !CClaimCheckDlg::IsAboutCommand(0x20));
static_assert(!CClaimCheckDlg::IsAboutCommand(0xF06F));

QTEST_MAIN(TestClaimCheckDlg)
#include "tst_ClaimCheckDlg.moc"
