#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include "AppResources.h"
#include "CheckCommand.h"
#include "ClaimCheckDlg.h"
#include "ClaimRecord.h"
#include "ClaimsCodec.h"
#include "MessageSink.h"

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
// The red runs of the box's text in order, with "?" for a run in neither of the box's two formats
// (black, and red for the inside of a mark), as pasted formatting would be.
QStringList RedRuns(const QTextDocument& document) {
  QStringList runs;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format == g_markFormat && format.foreground().color() == Qt::red) {
        runs.append(it.fragment().text());
      } else if (format != g_normalFormat) {
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

  // Shows a fresh window and waits until it is active, so that its shortcuts work.
  void Open() {
    m_dlg = std::make_unique<CClaimCheckDlg>();
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
  }
  QPlainTextEdit* Box() const { return m_dlg->findChild<QPlainTextEdit*>(); }
  // The buttons as they are made: "开始检查", "清空", "帮助", "关于".
  QList<QPushButton*> Buttons() const { return m_dlg->findChildren<QPushButton*>(); }
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
  void init() {
    m_messages.clear();
    SetMessageSink([this](const std::string& text) { m_messages.append(FromEngineText(text)); });
  }
  void cleanup() {
    m_dlg.reset();
    SetMessageSink(nullptr);
  }

  // The icon and the help text are built in; the box has the focus; Tab walks the four buttons
  // and comes back to it; the box takes what the window gains and the buttons stay under it.
  void window() {
    Open();
    QVERIFY(!m_dlg->windowIcon().isNull() && !HelpText().isEmpty());
    QCOMPARE(QApplication::focusWidget(), Box());
    const QList<QPushButton*> buttons = Buttons();
    QVERIFY(buttons[0]->isDefault());
    const QList<QWidget*> order = QList<QWidget*>(buttons.begin(), buttons.end()) << Box();
    for (int i = 0; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), order[i]);
    }
    const QSize box = Box()->size();
    m_dlg->resize(m_dlg->size() + QSize(600, 350));
    QTRY_COMPARE(Box()->size(), box + QSize(600, 350));
    for (QPushButton* button : buttons) QVERIFY(button->y() > Box()->geometry().bottom());
  }

  // A no-break space pasted from a word processor reaches the check as itself, not as a blank
  // that the normalisation would remove.
  void keepsNoBreakSpaces() {
    Open();
    Paste(u"一种\u00A0杯子"_s);
    Buttons()[0]->click();
    QCOMPARE(Box()->document()->toRawText(), u"一种\u00A0杯子"_s);
  }

  // Each command on a pasted text, after the ones before it: what the box shows, what is red, what
  // messages came; then Ctrl+Z brings back the text and its colours wherever the focus went, and
  // Ctrl+Shift+Z does the command again.
  void commands_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("commands");  // button captions or keys, joined by "/" as below
    QTest::addColumn<QString>("shown");     // "*": the engine's report of the pasted text; "-": any
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("messages");
    const QString noClaimOne = u"未找到权1 ?\n\n 请检查"_s;
    const QString congratulation = u"恭喜 :-)\n\n未发现常见形式错误"_s;
    QTest::newRow("a report with marks") << kWorkedExample << u"开始检查"_s << u"*"_s
                                         << u" /所述/本权编号与前不连续|缺句号"_s << QString();
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
    QTest::newRow("F1 shows the help")
        << kCleanClaims << u"F1"_s << HelpText() << QString() << QString();
  }
  void commands() {
    QFETCH(QString, pasted);
    QFETCH(QString, commands);
    QFETCH(QString, shown);
    QFETCH(QString, red);
    QFETCH(QString, messages);
    if (shown == u'*') shown = FromEngineText(RunCheck(ToEngineText(pasted)).shownText);
    Open();
    Paste(pasted);
    QCOMPARE(Box()->toPlainText(), pasted);
    QCOMPARE(RedRuns(*Box()->document()), QStringList());
    QString before;
    QStringList redBefore;
    for (const QString& command : commands.split(u'/')) {
      before = Box()->toPlainText();
      redBefore = RedRuns(*Box()->document());
      const qsizetype button = u"开始检查/清空/帮助/关于"_s.split(u'/').indexOf(command);
      if (button >= 0) QTest::mouseClick(Buttons()[button], Qt::LeftButton);
      if (button < 0) QTest::keySequence(Box(), QKeySequence(command));
    }
    const QString done = Box()->toPlainText();
    if (shown != u'-') QCOMPARE(done, shown);
    QCOMPARE(RedRuns(*Box()->document()).join(u'/'), red);
    QCOMPARE(m_messages.join(u'/'), messages);
    // A check leaves the selection on the last coloured range.
    if (!red.isEmpty()) QCOMPARE(Box()->textCursor().selectedText(), red.split(u'/').last());
    if (done.isEmpty()) QVERIFY(g_claims.Count() == 0 && g_paragraphs.empty());
    if (done == before) return;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Box()->toPlainText(), before);
    QCOMPARE(RedRuns(*Box()->document()), redBefore);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Box()->toPlainText(), done);
  }
};

// The low four bits of a system command are the system's own.
static_assert(CClaimCheckDlg::IsAboutCommand(0x10) && CClaimCheckDlg::IsAboutCommand(0x1F));
static_assert(!CClaimCheckDlg::IsAboutCommand(0x0F) && !CClaimCheckDlg::IsAboutCommand(0x20));
static_assert(!CClaimCheckDlg::IsAboutCommand(0xF06F));

QTEST_MAIN(TestClaimCheckDlg)
#include "tst_ClaimCheckDlg.moc"
