#include "AboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppResources.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("关于 Quillex"));
  setFont(ProgramFont(12));

  auto* icon = new QLabel(this);
  icon->setPixmap(ApplicationIcon().pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);

  auto* facts = new QVBoxLayout;
  facts->addWidget(new QLabel(QStringLiteral("名称：vudarevevi"), this));
  facts->addWidget(new QLabel(QStringLiteral("版本：1.0 正式版"), this));
  facts->addSpacing(fontMetrics().height() * 4);
  facts->addWidget(new QLabel(QStringLiteral("本软件为单机版、纯绿色软件"), this), 0,
                   Qt::AlignHCenter);

  auto* ok = new QPushButton(QStringLiteral("确定"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addLayout(facts, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ok, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
