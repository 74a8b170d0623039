// The About box: the icon, the program's name and version, and "确定".
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  // Ready to be run with exec(); "确定", Enter and Esc close it.
  explicit CAboutDlg(QWidget* parent = nullptr);
};
