#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "ClaimCheckApp.h"
#include "ClaimCheckDlg.h"
#include "ClaimsCodec.h"
#include "MessageSink.h"

static CClaimCheckApp* testApp = nullptr;  // the one of main(): a window's run needs it

class TestClaimCheckApp : public QObject {
  Q_OBJECT

 private slots:
  // The window's messages are modal boxes captioned with the executable's name, with OK only;
  // once the window is gone, messages go where they went before.
  void runsTheWindowWithItsMessageBoxes() {
    QStringList seen;
    bool closed = false;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<CClaimCheckDlg*>(QApplication::activeModalWidget());
      if (dlg == nullptr) return;
      dlg->findChild<QTextEdit*>()->setPlainText(QStringLiteral("权利要求书"));
      QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen << box->windowTitle() << box->text();
        for (QAbstractButton* button : box->buttons()) seen.append(button->text());
        box->buttons().first()->click();
      });
      dlg->OnCheck();
      closed = dlg->close();
    });
    QStringList recorded;
    SetMessageSink([&recorded](const std::string& text) { recorded << FromEngineText(text); });

    QCOMPARE(testApp->InitInstance(), 0);
    QVERIFY(closed);
    const QString ok =
        QMessageBox(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok).button(QMessageBox::Ok)->text();
    QCOMPARE(seen, (QStringList{QStringLiteral("tst_ClaimCheckApp"),
                                QStringLiteral("未找到权1 ?\n\n 请检查"), ok}));
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
