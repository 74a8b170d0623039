#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "ClaimCheckApp.h"
#include "ClaimCheckDlg.h"
#include "ClaimsCodec.h"
#include "MessageSink.h"

static CClaimCheckApp* testApp = nullptr;  // the one of main(): a window's run needs it

// Once its event loop runs, describes the modal box that is open into `seen` (caption, texts,
// "icon" for a picture, buttons) and closes it with its first button.
static void CloseNextBox(QStringList& seen) {
  QTimer::singleShot(0, [&seen] {
    QWidget* box = QApplication::activeModalWidget();
    seen << box->windowTitle();
    for (const QLabel* label : box->findChildren<QLabel*>()) {
      if (label->isVisible()) seen << (label->pixmap().isNull() ? label->text() : "icon");
    }
    const QList<QAbstractButton*> buttons = box->findChildren<QAbstractButton*>();
    for (const QAbstractButton* button : buttons) seen << button->text();
    buttons.first()->click();
  });
}

class TestClaimCheckApp : public QObject {
  Q_OBJECT

 private slots:
  // The window's run: its messages are modal boxes captioned with the executable's name, with OK
  // only, and "关于" shows the About box; once the window is gone, messages go where they went
  // before.
  void runsTheWindowWithItsBoxes() {
    QStringList seen;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<CClaimCheckDlg*>(QApplication::activeModalWidget());
      dlg->findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("权利要求书"));
      CloseNextBox(seen);
      dlg->OnCheck();
      CloseNextBox(seen);
      for (QAbstractButton* button : dlg->findChildren<QAbstractButton*>()) {
        if (button->text() == QStringLiteral("关于")) button->click();
      }
      dlg->close();
    });
    QStringList recorded;
    SetMessageSink([&recorded](const std::string& text) { recorded << FromEngineText(text); });

    QCOMPARE(testApp->InitInstance(), 0);
    // What the About box says is its own data; that it opened and closed is the window's part.
    const QString boxes = seen.join(u'/');
    QVERIFY2(
        boxes.startsWith(QStringLiteral("tst_ClaimCheckApp/icon/未找到权1 ?\n\n 请检查/OK/关于")),
        qPrintable(boxes));
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
