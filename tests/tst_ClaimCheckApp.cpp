#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "ClaimCheckApp.h"
#include "ClaimCheckDlg.h"
#include "ClaimsCodec.h"
#include "MessageSink.h"

static CClaimCheckApp* testApp = nullptr;  // the one of main(): a window's run needs it

// The window's run: a message of the check is a modal box that shows its text, and once the
// window is gone messages go where they went before.
class TestClaimCheckApp : public QObject {
  Q_OBJECT

 private slots:
  void showsMessagesInBoxes() {
    QString shown;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<CClaimCheckDlg*>(QApplication::activeModalWidget());
      dlg->findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("权利要求书"));
      QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        for (const QLabel* label : box->findChildren<QLabel*>()) shown += label->text();
        box->close();
      });
      dlg->OnCheck();
      dlg->close();
    });
    QStringList recorded;
    SetMessageSink([&recorded](const std::string& text) { recorded << FromEngineText(text); });
    QCOMPARE(testApp->InitInstance(), 0);
    QVERIFY2(shown.contains(QStringLiteral("未找到权1 ?")), qPrintable(shown));
    ShowMessage("x");
    SetMessageSink(nullptr);
    QCOMPARE(recorded, QStringList{QStringLiteral("x")});
  }
};

int main(int argc, char** argv) {
  CClaimCheckApp app(argc, argv);
  testApp = &app;
  TestClaimCheckApp test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_ClaimCheckApp.moc"
