#include "AboutDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "AppResources.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  const AboutLines text = AboutText();
  setWindowTitle(text.title);
  setFont(ProgramFont(12));

  auto* icon = new QLabel(this);
  icon->setPixmap(ApplicationIcon().pixmap(32, 32));
  auto* ok = new QPushButton(QStringLiteral("确定"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // Icon and facts at the top, the remark in the middle, the button at the bottom right.
  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(new QLabel(text.name, this), 0, 1);
  layout->addWidget(new QLabel(text.version, this), 1, 1);
  layout->setRowStretch(2, 1);
  layout->addWidget(new QLabel(text.remark, this), 3, 0, 1, 2,
                    Qt::AlignHCenter);
  layout->setRowStretch(4, 1);
  layout->addWidget(ok, 5, 1, Qt::AlignRight);
  layout->setColumnStretch(1, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QString(30, u'永')));
  layout->setRowMinimumHeight(2, fontMetrics().height() * 3);
  layout->setRowMinimumHeight(4, fontMetrics().height());
}
