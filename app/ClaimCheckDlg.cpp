#include "ClaimCheckDlg.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "AboutDlg.h"
#include "AnalyzeClaims.h"
#include "AppResources.h"
#include "CheckCommand.h"
#include "ClaimRecord.h"
#include "ClaimsCodec.h"
#include "GbkTexts.h"
#include "MarkPainter.h"
#include "MessageSink.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

// The window's size on a 96 dpi screen; Qt scales it on denser ones.
constexpr QSize kWindowSize(1000, 550);

QPlainTextEdit* MakeTextBox(QWidget* parent) {
  // A plain text box: pasting brings the text without its formatting, and it lays out only the
  // lines it shows, so a report of megabytes appears at once. Its character formats still colour
  // the marks.
  auto* box = new QPlainTextEdit(parent);
  box->setTabChangesFocus(true);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setFont(ProgramFont(12.8));
  box->setCurrentCharFormat(g_normalFormat);
  // The colours of the report are black and red, whatever the desktop's colour scheme.
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  box->setPalette(palette);
  return box;
}

// A button of the row under the box; its stretch keeps the widths in the proportions of the
// classic layout as the window grows.
QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, const QString& text, int stretch) {
  auto* button = new QPushButton(text, parent);
  button->setMinimumHeight(button->fontMetrics().height() * 23 / 8);
  row->addWidget(button, stretch);
  return button;
}

}  // namespace

CClaimCheckDlg::CClaimCheckDlg(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_hIcon(ApplicationIcon()) {
  InitCharFormats();
  setFont(ProgramFont(12));
  setWindowTitle(QStringLiteral("Quillex vudarevevi～～～亲们请先阅读“帮助”"));
  setWindowIcon(m_hIcon);

  m_richEdit = MakeTextBox(this);
  auto* row = new QHBoxLayout;
  QPushButton* check = AddButton(this, row, QStringLiteral("开始检查"), 209);
  QPushButton* clear = AddButton(this, row, QStringLiteral("清空"), 70);
  row->addStretch(72);
  QPushButton* help = AddButton(this, row, QStringLiteral("帮助"), 52);
  QPushButton* about = AddButton(this, row, QStringLiteral("关于"), 52);
  check->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_richEdit, 1);
  layout->addLayout(row);

  setTabOrder(m_richEdit, check);
  setTabOrder(check, clear);
  setTabOrder(clear, help);
  setTabOrder(help, about);

  connect(check, &QPushButton::clicked, this, &CClaimCheckDlg::OnCheck);
  connect(clear, &QPushButton::clicked, this, &CClaimCheckDlg::OnClear);
  connect(help, &QPushButton::clicked, this, &CClaimCheckDlg::OnHelp);
  connect(about, &QPushButton::clicked, this, &CClaimCheckDlg::OnAbout);
  AddShortcuts();
#ifdef Q_OS_WIN
  AddAboutItemToSystemMenu();
#endif

  resize(kWindowSize);
  m_richEdit->setFocus();
}

void CClaimCheckDlg::AddShortcuts() {
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &CClaimCheckDlg::OnCheck);
  }
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
          &CClaimCheckDlg::OnHelp);
  // With the focus on a button, the box does not see Ctrl+Z; a command's undo must not depend
  // on where the focus went. The box handles these keys itself while it has the focus.
  connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, m_richEdit,
          &QPlainTextEdit::undo);
  connect(new QShortcut(QKeySequence::Redo, this), &QShortcut::activated, m_richEdit,
          &QPlainTextEdit::redo);
}

void CClaimCheckDlg::OnCheck() {
  // The raw text: toPlainText would turn a pasted no-break space into a blank, which the
  // normalisation then removes.
  m_text = ToEngineText(m_richEdit->document()->toRawText());
  const CheckOutcome outcome = RunCheck(m_text);
  m_text = outcome.shownText;

  QTextCursor step(m_richEdit->document());
  step.beginEditBlock();
  PutTextIntoBox();
  HighlightMarks(u"【", u"】", g_markFormat);
  step.endEditBlock();
  // The report reads from its summary down, wherever the selection left the view.
  m_richEdit->verticalScrollBar()->setValue(0);

  if (outcome.congratulate) ShowMessage(std::string(gbk::kMessageCongratulation));
}

void CClaimCheckDlg::OnClear() {
  ResetAnalysis();
  m_text.clear();
  PutTextIntoBox();
}

void CClaimCheckDlg::OnHelp() {
  m_text = ToEngineText(HelpText());
  PutTextIntoBox();
  m_richEdit->moveCursor(QTextCursor::Start);
}

void CClaimCheckDlg::OnAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CClaimCheckDlg::PutTextIntoBox() {
  QTextCursor cursor(m_richEdit->document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(FromEngineText(m_text), g_normalFormat);
  cursor.endEditBlock();
}

void CClaimCheckDlg::HighlightMarks(QStringView open, QStringView close,
                                    const QTextCharFormat& format) {
  m_richEdit->setTextCursor(MarkPainter(m_richEdit->document()).Colour(open, close, format));
}

#ifdef Q_OS_WIN
void CClaimCheckDlg::AddAboutItemToSystemMenu() {
  HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
  if (menu == nullptr) return;
  const std::wstring item = QStringLiteral("关于 Quillex(&A)...").toStdWString();
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kAboutCommandId, item.c_str());
}

bool CClaimCheckDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  const MSG* msg = static_cast<const MSG*>(message);
  if (msg->message != WM_SYSCOMMAND || !IsAboutCommand(static_cast<unsigned>(msg->wParam))) {
    return QDialog::nativeEvent(eventType, message, result);
  }
  OnAbout();
  *result = 0;
  return true;
}
#endif
