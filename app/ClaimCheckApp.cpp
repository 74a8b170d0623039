#include "ClaimCheckApp.h"

#include <QFileInfo>
#include <QMessageBox>
#include <utility>

#include "AppResources.h"
#include "ClaimCheckDlg.h"
#include "ClaimsCodec.h"

CClaimCheckApp::CClaimCheckApp(int& argc, char** argv) : m_app(argc, argv) {
  QApplication::setApplicationName(
      QFileInfo(QApplication::applicationFilePath()).completeBaseName());
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  QApplication::setDesktopFileName(QStringLiteral("quillex"));
  QApplication::setWindowIcon(ApplicationIcon());
}

int CClaimCheckApp::InitInstance() {
  CClaimCheckDlg dlg;
  MessageSink previous = SetMessageSink(MessageBoxSink(&dlg));
  dlg.exec();
  SetMessageSink(std::move(previous));
  return 0;
}

MessageSink MessageBoxSink(QWidget* parent) {
  return [parent](const std::string& message) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(),
                    FromEngineText(message), QMessageBox::Ok, parent);
    box.exec();
  };
}
