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
  QApplication::setApplicationVersion(QStringLiteral(QUILLEX_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("quillex"));
  QApplication::setWindowIcon(ApplicationIcon());
}

int CClaimCheckApp::InitInstance() {
  CClaimCheckDlg dlg;
  const ScopedMessageSink sink(MessageBoxSink(&dlg));
  dlg.exec();
  return 0;
}

MessageSink MessageBoxSink(QWidget* parent) {
  return [parent](const std::string& message) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(),
                    FromEngineText(message), QMessageBox::Ok, parent);
    box.exec();
  };
}
