#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "AboutDlg.h"
#include "AppResources.h"
#include "ClaimCheckDlg.h"
#include "ClaimRecord.h"
#include "ClaimsCodec.h"
#include "MessageSink.h"

using namespace Qt::StringLiterals;

namespace {

enum { kCheck, kClear, kHelp, kAbout };

const QString kWorkedExample =
    u"权利要求书\n"
    "1. 一种杯子，其特征在于，包括杯体和杯盖。\n"
    "2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。\n"
    "4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形"_s;
const QString kCleanClaims =
    u"1.一种杯子，其特征在于，包括杯体和杯盖。\n"
    "2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷。"_s;
const QString kCleanReport =
    u"分析完毕，找到1套、共2条权利要求\n"
    "其中存在问题的权利要求有 0条（见文中的★标记），问题共有 0处（见文中的【 】标记）\n\n"
    "----------第1套：----------\n"
    "[独权1][杯子] 1.一种杯子，其特征在于，包括杯体和杯盖。\n\n"
    "[从权2][杯子][父1;] 2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷。\n\n"
    "------------------\n"
    "最后一条权利要求结束"_s;

// The red runs of the box's text in order, with "?" for a run in any colour but red and black or
// in a font other than the box's 12.8 points upright and unadorned.
QStringList RedRuns(const QTextDocument& document) {
  QStringList runs;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      const QColor colour = format.foreground().color();
      if (format.foreground().style() != Qt::SolidPattern || format.fontItalic() ||
          format.fontUnderline() || format.fontWeight() != QFont::Normal ||
          !qFuzzyCompare(format.fontPointSize(), 12.8) ||
          (colour != Qt::red && colour != Qt::black)) {
        runs.append(u"?"_s);
      } else if (colour == Qt::red) {
        runs.append(it.fragment().text());
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
  QTextEdit* Box() const { return m_dlg->findChild<QTextEdit*>(); }
  // The buttons in the order they were made: "开始检查", "清空", "帮助", "关于".
  QPushButton* Button(int i) const { return m_dlg->findChildren<QPushButton*>()[i]; }
  void Click(int button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
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

  void window() {
    Open();
    QCOMPARE(m_dlg->windowTitle(), u"Quillex vudarevevi～～～亲们请先阅读“帮助”"_s);
    QVERIFY(!m_dlg->windowIcon().isNull());
    QCOMPARE(m_dlg->size(), QSize(1000, 550));
    QCOMPARE(QApplication::focusWidget(), Box());
    QStringList captions;
    for (QPushButton* button : m_dlg->findChildren<QPushButton*>()) captions << button->text();
    QCOMPARE(captions.join(u'/'), u"开始检查/清空/帮助/关于"_s);
    QVERIFY(Button(kCheck)->isDefault());
    QVERIFY(Button(kCheck)->width() > 2 * Button(kClear)->width());
    // Left to right and in tab order: the box, then the four buttons, then the box again.
    const QList<QWidget*> order{Box(),         Button(kCheck), Button(kClear),
                                Button(kHelp), Button(kAbout), Box()};
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), order[i]);
      if (i > 1 && i < 5) QVERIFY(order[i - 1]->geometry().right() < order[i]->x());
    }
    // The box takes what the window gains; the buttons keep their row under it.
    const QSize box = Box()->size();
    m_dlg->resize(1600, 900);
    QTRY_COMPARE(Box()->size(), box + QSize(600, 350));
    for (int i = 2; i < 5; ++i) QCOMPARE(order[i]->y(), order[1]->y());
    QVERIFY(order[1]->y() > Box()->geometry().bottom());
  }

  void check_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("report with marks")
        << kWorkedExample << u"*"_s  // the text as quillex-check shows it
        << QStringList{u" "_s, u"所述"_s, u"本权编号与前不连续|缺句号"_s} << QStringList();
    QTest::newRow("clean claims are congratulated once")
        << kCleanClaims << kCleanReport << QStringList{u" "_s}
        << QStringList{u"恭喜 :-)\n\n未发现常见形式错误"_s};
    QTest::newRow("no claim 1: the normalised text, uncoloured")
        << u"  权利要求书\n一种杯子, 包括（杯体）和【杯盖】: 陶瓷．\n"_s
        << u"权利要求书\n一种杯子，包括(杯体)和杯盖：陶瓷."_s << QStringList()
        << QStringList{u"未找到权1 ?\n\n 请检查"_s};
    QTest::newRow("empty box") << QString() << QString() << QStringList() << QStringList();
  }
  void check() {
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(QStringList, red);
    QFETCH(QStringList, messages);
    Open();
    Paste(pasted);
    QCOMPARE(Box()->toPlainText(), pasted);
    QCOMPARE(RedRuns(*Box()->document()), QStringList());
    Click(kCheck);
    if (shown != u'*') QCOMPARE(Box()->toPlainText(), shown);
    QCOMPARE(RedRuns(*Box()->document()), red);
    QCOMPARE(m_messages, messages);
    // The selection rests on the last coloured range, or on everything when there is none.
    QCOMPARE(Box()->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'),
             red.isEmpty() ? Box()->toPlainText() : red.last());
  }

  void clearEmptiesTheClaims() {
    Open();
    Paste(kWorkedExample);
    m_dlg->OnCheck();
    QCOMPARE(g_claims.Count(), 3);
    Click(kClear);
    QCOMPARE(Box()->toPlainText(), QString());
    QCOMPARE(g_claims.Count(), 0);
    QVERIFY(g_paragraphs.empty());
  }

  void help() {
    Open();
    Click(kHelp);
    const QString text = Box()->toPlainText();
    const QByteArray gbk = QByteArray::fromStdString(ToEngineText(text));
    QCOMPARE(gbk.size(), 3137);
    QCOMPARE(gbk.count("\r\n"), 45);
    QVERIFY(text.endsWith(u"。\n\n"_s));
    // The headings and the texts the help explains, in their order.
    qsizetype pos = 0;
    for (const QString& part :
         u"【快速上手】 《详细说明》 -------------------- 【详细说明】 一、主要功能： （6） "
         "二、注意事项： “1、” “1.” “一种YYY，” “根据权利要求xx所述的YYY，其特征在于” "
         "“1~2、3、5到7、10至12中任意一项” “★[Err3-1]” “【本权编号与前不连续|多引多|缺句号】” "
         "“[从权17][装置][父1;2;3;]” 本权项、父权项、父父权、父父父权、父父父父权 三、报错说明： "
         "有的父权编号过大 有的父权未找到 存在非本套的父权编号 “多引多” 不能识别本权项主题 "
         "主题与父权不一致 引用父权编号时格式有误 疑似独权 四、其他说明："_s.split(u' ')) {
      pos = text.indexOf(part, pos);
      QVERIFY2(pos >= 0, qPrintable(part));
    }
  }

  void about() {
    Open();
    QStringList seen;
    QTimer::singleShot(0, this, [&seen] {
      auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
      if (about == nullptr) return;
      seen.append(about->windowTitle());
      for (const QLabel* label : about->findChildren<QLabel*>()) {
        seen.append(label->pixmap().isNull() ? label->text() : u"icon"_s);
      }
      seen.append(about->findChild<QPushButton*>()->text());
      QTest::mouseClick(about->findChild<QPushButton*>(), Qt::LeftButton);
    });
    Click(kAbout);
    QCOMPARE(
        seen.join(u'/'),
        u"关于 Quillex/icon/名称：vudarevevi/版本：1.0 正式版/本软件为单机版、纯绿色软件/确定"_s);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void undo_data() {
    QTest::addColumn<bool>("checkedFirst");
    QTest::addColumn<int>("command");
    QTest::newRow("开始检查") << false << int(kCheck);
    QTest::newRow("开始检查 on a report") << true << int(kCheck);
    QTest::newRow("清空 after a check") << true << int(kClear);
    QTest::newRow("帮助 after a check") << true << int(kHelp);
  }
  // Ctrl+Z brings back the text and its colours, wherever the click left the focus; Ctrl+Shift+Z
  // does the command again.
  void undo() {
    QFETCH(bool, checkedFirst);
    QFETCH(int, command);
    Open();
    Paste(kWorkedExample);
    if (checkedFirst) Click(kCheck);
    const QString text = Box()->toPlainText();
    const QStringList red = RedRuns(*Box()->document());
    Click(command);
    const QString done = Box()->toPlainText();
    QVERIFY(done != text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Box()->toPlainText(), text);
    QCOMPARE(RedRuns(*Box()->document()), red);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Box()->toPlainText(), done);
  }

  void keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Ctrl+Return checks")
        << int(Qt::Key_Return) << int(Qt::ControlModifier) << kCleanReport;
    QTest::newRow("Return starts a new line") << int(Qt::Key_Return) << 0 << kCleanClaims + u'\n';
    QTest::newRow("F1 shows the help") << int(Qt::Key_F1) << 0 << HelpText();
  }
  void keys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    Open();
    Paste(kCleanClaims);
    QTest::keyClick(Box(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Box()->toPlainText(), shown);
  }
};

// The low four bits of a system command are the system's own.
static_assert(CClaimCheckDlg::IsAboutCommand(0x10) && CClaimCheckDlg::IsAboutCommand(0x1F));
static_assert(!CClaimCheckDlg::IsAboutCommand(0x0F) && !CClaimCheckDlg::IsAboutCommand(0x20));
static_assert(!CClaimCheckDlg::IsAboutCommand(0xF06F));

QTEST_MAIN(TestClaimCheckDlg)
#include "tst_ClaimCheckDlg.moc"
