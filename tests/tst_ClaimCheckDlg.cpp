#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "AboutDlg.h"
#include "AppResources.h"
#include "ClaimCheckDlg.h"
#include "ClaimRecord.h"
#include "ClaimsCodec.h"
#include "MessageSink.h"
#include "TextColours.h"

class TestClaimCheckDlg : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void window();
  void growsWithTheWindow_data();
  void growsWithTheWindow();
  void check_data();
  void check();
  void clearEmptiesTheClaims();
  void help();
  void about();
  void undo_data();
  void undo();
  void keys_data();
  void keys();
  void aboutCommandIds_data();
  void aboutCommandIds();

 private:
  // Shows a fresh window and waits until it is active, so that its shortcuts work.
  void Open();
  QTextEdit* Box() const { return m_dlg->findChild<QTextEdit*>(); }
  QPushButton* Button(const QString& text) const;
  void Paste(const QString& text);

  std::unique_ptr<CClaimCheckDlg> m_dlg;
  QStringList m_messages;  // every message box the window asked for, in order
};

namespace {

const QString kCheck = QStringLiteral("开始检查");
const QString kClear = QStringLiteral("清空");
const QString kHelp = QStringLiteral("帮助");
const QString kAbout = QStringLiteral("关于");
const QString kCongratulation = QStringLiteral("恭喜 :-)\n\n未发现常见形式错误");
const QString kNoClaimOne = QStringLiteral("未找到权1 ?\n\n 请检查");

const QString kWorkedExample = QStringLiteral(
    "权利要求书\n"
    "1. 一种杯子，其特征在于，包括杯体和杯盖。\n"
    "2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。\n"
    "4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形");
const QString kWorkedReport = QStringLiteral(
    "分析完毕，找到1套、共3条权利要求\n"
    "其中存在问题的权利要求有 2条（见文中的★标记），问题共有 3处（见文中的【 】标记）\n\n"
    "----------第1套：----------\n"
    "[独权1][杯子] 1.一种杯子，其特征在于，包括杯体和杯盖。\n\n"
    "★[Err2-1][从权2][杯子][父1;] 2.根据权利要求1所述的杯子，其特征在于，【所述】手柄为陶瓷。\n\n"
    "★[Err2-2][从权4][杯子][父1;2;]【本权编号与前不连续|缺句号】 "
    "4.根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形\n\n"
    "------------------\n"
    "最后一条权利要求结束");
const QString kCleanClaims = QStringLiteral(
    "1.一种杯子，其特征在于，包括杯体和杯盖。\n"
    "2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷。");
const QString kCleanReport = QStringLiteral(
    "分析完毕，找到1套、共2条权利要求\n"
    "其中存在问题的权利要求有 0条（见文中的★标记），问题共有 0处（见文中的【 】标记）\n\n"
    "----------第1套：----------\n"
    "[独权1][杯子] 1.一种杯子，其特征在于，包括杯体和杯盖。\n\n"
    "[从权2][杯子][父1;] 2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷。\n\n"
    "------------------\n"
    "最后一条权利要求结束");

}  // namespace

void TestClaimCheckDlg::init() {
  m_messages.clear();
  SetMessageSink(
      [this](const std::string& message) { m_messages.append(FromEngineText(message)); });
}

void TestClaimCheckDlg::cleanup() {
  m_dlg.reset();
  SetMessageSink(nullptr);
}

void TestClaimCheckDlg::Open() {
  m_dlg = std::make_unique<CClaimCheckDlg>();
  m_dlg->show();
  QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
}

QPushButton* TestClaimCheckDlg::Button(const QString& text) const {
  for (QPushButton* button : m_dlg->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

// The clipboard offers formatted text too; the box must take only the characters.
void TestClaimCheckDlg::Paste(const QString& text) {
  auto* data = new QMimeData;
  data->setText(text);
  data->setHtml(QStringLiteral("<b><i><span style='color:#0000ff;font-size:30pt'>") +
                text.toHtmlEscaped() + QStringLiteral("</span></i></b>"));
  QGuiApplication::clipboard()->setMimeData(data);
  Box()->setFocus();
  QTest::keyClick(Box(), Qt::Key_V, Qt::ControlModifier);
}

void TestClaimCheckDlg::window() {
  Open();
  QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Quillex vudarevevi～～～亲们请先阅读“帮助”"));
  QVERIFY(!m_dlg->windowIcon().isNull());
  QCOMPARE(m_dlg->size(), QSize(1000, 550));
  QCOMPARE(QApplication::focusWidget(), Box());
  QVERIFY(Button(kCheck)->isDefault());

  // Left to right and in tab order: the box, then the four buttons, then the box again.
  const QList<QWidget*> order{Box(),         Button(kCheck), Button(kClear),
                              Button(kHelp), Button(kAbout), Box()};
  for (int i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), order[i]);
    if (i > 1 && i < order.size() - 1) {
      QVERIFY(order[i - 1]->geometry().right() < order[i]->geometry().left());
    }
  }
  QVERIFY(Button(kCheck)->width() > 2 * Button(kClear)->width());
}

void TestClaimCheckDlg::growsWithTheWindow_data() {
  QTest::addColumn<QSize>("size");
  QTest::newRow("wider and taller") << QSize(1600, 900);
  QTest::newRow("taller only") << QSize(1000, 1000);
  QTest::newRow("smaller") << QSize(700, 400);
}

void TestClaimCheckDlg::growsWithTheWindow() {
  QFETCH(QSize, size);
  Open();
  const QSize before = Box()->size();
  m_dlg->resize(size);
  QTRY_COMPARE(m_dlg->size(), size);

  // The box takes what the window gains or loses; the buttons keep one row under it.
  QCOMPARE(Box()->width() - before.width(), size.width() - 1000);
  QCOMPARE(Box()->height() - before.height(), size.height() - 550);
  for (const QString& text : {kCheck, kClear, kHelp, kAbout}) {
    QCOMPARE(Button(text)->y(), Button(kCheck)->y());
    QVERIFY(Button(text)->y() > Box()->geometry().bottom());
    QVERIFY(Button(text)->geometry().bottom() < size.height());
  }
}

void TestClaimCheckDlg::check_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QStringList>("red");
  QTest::addColumn<QStringList>("messages");

  QTest::newRow("report with marks") << kWorkedExample << kWorkedReport
                                     << QStringList{QStringLiteral(" "), QStringLiteral("所述"),
                                                    QStringLiteral("本权编号与前不连续|缺句号")}
                                     << QStringList();
  QTest::newRow("clean claims are congratulated once")
      << kCleanClaims << kCleanReport << QStringList{QStringLiteral(" ")}
      << QStringList{kCongratulation};
  QTest::newRow("characters outside the BMP before the marks")
      << QStringLiteral(
             "1.一种杯子，其特征在于，包括杯体𠀀和杯盖。\n"
             "2.根据权利要求1所述的杯子，其特征在于，所述手柄𠀁为陶瓷。")
      << QStringLiteral(
             "分析完毕，找到1套、共2条权利要求\n"
             "其中存在问题的权利要求有 1条（见文中的★标记），问题共有 1处（见文中的【 】标记）\n\n"
             "----------第1套：----------\n"
             "[独权1][杯子] 1.一种杯子，其特征在于，包括杯体𠀀和杯盖。\n\n"
             "★[Err1-1][从权2][杯子][父1;] "
             "2.根据权利要求1所述的杯子，其特征在于，【所述】手柄𠀁为陶瓷。\n\n"
             "------------------\n"
             "最后一条权利要求结束")
      << QStringList{QStringLiteral(" "), QStringLiteral("所述")} << QStringList();
  QTest::newRow("no claim 1: the normalised text, uncoloured")
      << QStringLiteral("  权利要求书\n一种杯子, 包括（杯体）和【杯盖】: 陶瓷．\n")
      << QStringLiteral("权利要求书\n一种杯子，包括(杯体)和杯盖：陶瓷.") << QStringList()
      << QStringList{kNoClaimOne};
  QTest::newRow("a report checked again loses its brackets and blanks")
      << kCleanReport
      << QStringLiteral(
             "分析完毕，找到1套、共2条权利要求\n"
             "其中存在问题的权利要求有0条(见文中的★标记)，问题共有0处(见文中的标记)\n\n"
             "----------第1套：----------\n"
             "[独权1][杯子]1.一种杯子，其特征在于，包括杯体和杯盖。\n\n"
             "[从权2][杯子][父1;]2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷。\n\n"
             "------------------\n"
             "最后一条权利要求结束")
      << QStringList() << QStringList{kNoClaimOne};
  QTest::newRow("empty box") << QString() << QString() << QStringList() << QStringList();
}

void TestClaimCheckDlg::check() {
  QFETCH(QString, pasted);
  QFETCH(QString, shown);
  QFETCH(QStringList, red);
  QFETCH(QStringList, messages);
  Open();
  Paste(pasted);
  QCOMPARE(Box()->toPlainText(), pasted);

  QTest::mouseClick(Button(kCheck), Qt::LeftButton);

  QCOMPARE(Box()->toPlainText(), shown);
  QCOMPARE(RedRuns(*Box()->document()), red);
  QVERIFY(!ColourMask(*Box()->document(), true).contains(u'?'));
  QCOMPARE(m_messages, messages);
  // The selection rests on the last coloured range, or on everything when there is none.
  QCOMPARE(Box()->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'),
           red.isEmpty() ? shown : red.last());
}

void TestClaimCheckDlg::clearEmptiesTheClaims() {
  Open();
  Paste(kWorkedExample);
  m_dlg->OnCheck();
  QCOMPARE(g_claims.Count(), 3);

  QTest::mouseClick(Button(kClear), Qt::LeftButton);
  QCOMPARE(Box()->toPlainText(), QString());
  QCOMPARE(g_claims.Count(), 0);
  QVERIFY(g_paragraphs.empty());
}

void TestClaimCheckDlg::help() {
  Open();
  QTest::mouseClick(Button(kHelp), Qt::LeftButton);

  const QString text = Box()->toPlainText();
  const std::string gbk = ToEngineText(text);
  QCOMPARE(gbk.size(), size_t{3137});
  QCOMPARE(QByteArray::fromStdString(gbk).count("\r\n"), 45);
  QVERIFY(text.endsWith(QStringLiteral("。\n\n")));
  QCOMPARE(FromEngineText(gbk), text);  // nothing outside GBK

  // The headings in their order, and the texts the help explains.
  qsizetype pos = 0;
  for (const char* heading :
       {"【快速上手】", "《详细说明》", "--------------------", "【详细说明】", "一、主要功能：",
        "（6）", "二、注意事项：", "三、报错说明：", "四、其他说明："}) {
    pos = text.indexOf(QString::fromUtf8(heading), pos);
    QVERIFY2(pos >= 0, heading);
  }
  for (const char* literal :
       {"“1、”", "“1.”", "“一种YYY，”", "“根据权利要求xx所述的YYY，其特征在于”",
        "“1~2、3、5到7、10至12中任意一项”", "“★[Err3-1]”", "“【本权编号与前不连续|多引多|缺句号】”",
        "“[从权17][装置][父1;2;3;]”", "本权项、父权项、父父权、父父父权、父父父父权",
        "有的父权编号过大", "有的父权未找到", "存在非本套的父权编号", "“多引多”",
        "不能识别本权项主题", "主题与父权不一致", "引用父权编号时格式有误", "疑似独权"}) {
    QVERIFY2(text.contains(QString::fromUtf8(literal)), literal);
  }
}

void TestClaimCheckDlg::about() {
  Open();
  QStringList seen;
  QTimer::singleShot(0, this, [&seen] {
    auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
    if (about == nullptr) return;
    seen.append(about->windowTitle());
    for (const QLabel* label : about->findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) seen.append(QStringLiteral("icon"));
      if (!label->text().isEmpty()) seen.append(label->text());
    }
    auto* ok = about->findChild<QPushButton*>();
    seen.append(ok->text());
    QTest::mouseClick(ok, Qt::LeftButton);
  });

  QTest::mouseClick(Button(kAbout), Qt::LeftButton);

  QCOMPARE(seen,
           (QStringList{QStringLiteral("关于 Quillex"), QStringLiteral("icon"),
                        QStringLiteral("名称：vudarevevi"), QStringLiteral("版本：1.0 正式版"),
                        QStringLiteral("本软件为单机版、纯绿色软件"), QStringLiteral("确定")}));
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestClaimCheckDlg::undo_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<bool>("checkedFirst");
  QTest::addColumn<QString>("command");

  QTest::newRow("开始检查") << kWorkedExample << false << kCheck;
  QTest::newRow("开始检查 on a report") << kWorkedExample << true << kCheck;
  QTest::newRow("清空") << kWorkedExample << false << kClear;
  QTest::newRow("清空 after a check") << kWorkedExample << true << kClear;
  QTest::newRow("帮助") << kCleanClaims << false << kHelp;
  QTest::newRow("帮助 after a check") << kCleanClaims << true << kHelp;
}

void TestClaimCheckDlg::undo() {
  QFETCH(QString, pasted);
  QFETCH(bool, checkedFirst);
  QFETCH(QString, command);
  Open();
  Paste(pasted);
  if (checkedFirst) QTest::mouseClick(Button(kCheck), Qt::LeftButton);
  const QString text = Box()->toPlainText();
  const QString colours = ColourMask(*Box()->document(), false);

  QTest::mouseClick(Button(command), Qt::LeftButton);
  const QString done = Box()->toPlainText();
  QVERIFY(done != text);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);

  QCOMPARE(Box()->toPlainText(), text);
  QCOMPARE(ColourMask(*Box()->document(), false), colours);

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(Box()->toPlainText(), done);
}

void TestClaimCheckDlg::keys_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("shown");

  QTest::newRow("Ctrl+Return checks")
      << int(Qt::Key_Return) << int(Qt::ControlModifier) << kCleanReport;
  QTest::newRow("Return starts a new line")
      << int(Qt::Key_Return) << int(Qt::NoModifier) << kCleanClaims + u'\n';
  QTest::newRow("F1 shows the help") << int(Qt::Key_F1) << int(Qt::NoModifier) << HelpText();
}

void TestClaimCheckDlg::keys() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, shown);
  Open();
  Paste(kCleanClaims);

  QTest::keyClick(Box(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(Box()->toPlainText(), shown);
}

void TestClaimCheckDlg::aboutCommandIds_data() {
  QTest::addColumn<unsigned>("id");
  QTest::addColumn<bool>("about");
  QTest::newRow("the item's own id") << 0x10u << true;
  QTest::newRow("low bits set by the system") << 0x1Fu << true;
  QTest::newRow("below") << 0x0Fu << false;
  QTest::newRow("above") << 0x20u << false;
  QTest::newRow("close") << 0xF060u << false;
  QTest::newRow("close with low bits") << 0xF06Fu << false;
}

void TestClaimCheckDlg::aboutCommandIds() {
  QFETCH(unsigned, id);
  QFETCH(bool, about);
  QCOMPARE(CClaimCheckDlg::IsAboutCommand(id), about);
}

QTEST_MAIN(TestClaimCheckDlg)
#include "tst_ClaimCheckDlg.moc"
