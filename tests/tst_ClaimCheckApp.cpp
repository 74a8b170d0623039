#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "ClaimCheckApp.h"
#include "ClaimCheckDlg.h"
#include "ClaimsCodec.h"
#include "GbkTexts.h"
#include "MessageSink.h"

class TestClaimCheckApp : public QObject {
  Q_OBJECT

 private slots:
  void messageBox_data();
  void messageBox();
  void runsTheWindowWithItsMessages();
};

namespace {

CClaimCheckApp* testApp = nullptr;  // the one of main(): a window's run needs it

struct SeenBox {
  QString caption;
  QString text;
  QStringList buttons;
};

// Schedules a look at the next modal message box: it is described into `seen` and closed with
// its first button. The look happens once the box's own event loop runs.
void CloseNextMessageBox(SeenBox& seen) {
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen.caption = box->windowTitle();
    seen.text = box->text();
    for (QAbstractButton* button : box->buttons()) seen.buttons.append(button->text());
    box->buttons().first()->click();
  });
}

}  // namespace

void TestClaimCheckApp::messageBox_data() {
  QTest::addColumn<QByteArray>("message");
  QTest::addColumn<QString>("shown");
  QTest::newRow("congratulation") << QByteArray(gbk::kMessageCongratulation.data(),
                                                gbk::kMessageCongratulation.size())
                                  << QStringLiteral("恭喜 :-)\n\n未发现常见形式错误");
  QTest::newRow("no claim 1") << QByteArray(gbk::kMessageNoClaimOne.data(),
                                            gbk::kMessageNoClaimOne.size())
                              << QStringLiteral("未找到权1 ?\n\n 请检查");
}

void TestClaimCheckApp::messageBox() {
  QFETCH(QByteArray, message);
  QFETCH(QString, shown);
  QWidget parent;
  SeenBox seen;
  CloseNextMessageBox(seen);

  MessageBoxSink (&parent)(message.toStdString());

  // The caption is the executable's name without its extension.
  QCOMPARE(seen.caption, QStringLiteral("tst_ClaimCheckApp"));
  QCOMPARE(seen.text, shown);
  QCOMPARE(seen.buttons, QStringList{QMessageBox(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok)
                                         .button(QMessageBox::Ok)
                                         ->text()});
}

void TestClaimCheckApp::runsTheWindowWithItsMessages() {
  SeenBox seen;
  bool closed = false;
  QTimer::singleShot(0, [&] {
    auto* dlg = qobject_cast<CClaimCheckDlg*>(QApplication::activeModalWidget());
    if (dlg == nullptr) return;
    dlg->findChild<QTextEdit*>()->setPlainText(QStringLiteral("权利要求书"));
    CloseNextMessageBox(seen);
    dlg->OnCheck();
    closed = dlg->close();
  });

  QStringList recorded;
  SetMessageSink(
      [&recorded](const std::string& message) { recorded.append(FromEngineText(message)); });

  QCOMPARE(testApp->InitInstance(), 0);
  QVERIFY(closed);
  QCOMPARE(seen.text, QStringLiteral("未找到权1 ?\n\n 请检查"));

  // Once the window is gone, messages go where they went before.
  ShowMessage("x");
  SetMessageSink(nullptr);
  QCOMPARE(recorded, QStringList{QStringLiteral("x")});
}

int main(int argc, char** argv) {
  CClaimCheckApp app(argc, argv);
  testApp = &app;
  TestClaimCheckApp test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_ClaimCheckApp.moc"
