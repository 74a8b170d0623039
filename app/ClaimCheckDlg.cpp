#include "ClaimCheckDlg.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "AboutDlg.h"
#include "AnalyzeClaims.h"
#include "AppResources.h"
#include "CheckCommand.h"
#include "claims/ClaimRecord.h"
#include "ClaimsCodec.h"
#include "DocxReader.h"
#include "ReviewedCopy.h"
#include "FixCommand.h"
#include "text/GbkTexts.h"
#include "MarkPainter.h"
#include "MessageSink.h"
#include "ProblemListModel.h"
#include "report/DocumentTexts.h"
#include "report/FindingTexts.h"
#include "report/SavedReport.h"

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

QTreeView* MakeProblemView(QWidget* parent, QAbstractItemModel* rows) {
  auto* view = new QTreeView(parent);
  view->setModel(rows);
  view->setRootIsDecorated(false);
  view->setUniformRowHeights(true);  // a list of thousands of rows lays out only what it shows
  view->setAllColumnsShowFocus(true);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The first three columns as wide as their usual contents, the explanation taking the rest.
  const QFontMetrics metrics = view->fontMetrics();
  const int padding = metrics.height();
  view->header()->setStretchLastSection(true);
  view->setColumnWidth(ProblemListModel::kClaimColumn,
                       metrics.horizontalAdvance(QStringLiteral("权项")) + padding);
  view->setColumnWidth(ProblemListModel::kMarkColumn,
                       metrics.horizontalAdvance(QStringLiteral("本权编号与")) + padding);
  view->setColumnWidth(ProblemListModel::kSeverityColumn,
                       metrics.horizontalAdvance(QStringLiteral("请复核")) + 2 * padding);
  view->setColumnWidth(ProblemListModel::kFixColumn,
                       metrics.horizontalAdvance(QStringLiteral("→改为“根据权利要求”")) + padding);
  return view;
}

bool IsHtmlFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == u"html" || suffix == u"htm";
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

  QWidgetList tabOrder;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeWorkArea(), 1);
  layout->addLayout(MakeButtonRow(tabOrder));
  layout->addWidget(MakeStatusBar());
  tabOrder.prepend(m_richEdit);
  tabOrder << m_listSwitch << m_fixOnly << m_fix << m_fixAll << m_problemView;
  for (qsizetype i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

  FollowTheDocument();
  AddShortcuts();
#ifdef Q_OS_WIN
  AddAboutItemToSystemMenu();
#endif
  resize(kWindowSize);
  m_richEdit->setFocus();
}

QWidget* CClaimCheckDlg::MakeWorkArea() {
  m_richEdit = MakeTextBox(this);
  m_problems = new ProblemListModel(this);
  m_shownProblems = new QSortFilterProxyModel(this);
  m_shownProblems->setSourceModel(m_problems);
  m_shownProblems->setFilterRole(ProblemListModel::kSeverityRole);
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(m_richEdit);
  splitter->addWidget(MakeProblemsPanel());
  // The box takes what the window gains.
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setSizes({520, 480});
  m_problemsPanel->hide();
  return splitter;
}

QHBoxLayout* CClaimCheckDlg::MakeButtonRow(QWidgetList& tabOrder) {
  auto* row = new QHBoxLayout;
  QPushButton* check = AddButton(this, row, QStringLiteral("开始检查"), 209);
  check->setDefault(true);
  m_moreChecks = new QCheckBox(QStringLiteral("更多检查"), this);
  m_moreChecks->setToolTip(QStringLiteral("下次检查时另外检查引用写法、不清楚的用语、重复的词等"));
  m_moreChecks->setChecked(QSettings().value(kMoreChecksSetting, false).toBool());
  row->addWidget(m_moreChecks);
  QPushButton* clear = AddButton(this, row, QStringLiteral("清空"), 70);
  row->addStretch(72);
  QPushButton* open = AddButton(this, row, QStringLiteral("打开…"), 70);
  QPushButton* save = AddButton(this, row, QStringLiteral("保存报告…"), 70);
  m_saveReviewed = AddButton(this, row, QStringLiteral("保存批注版…"), 84);
  m_saveReviewed->setToolTip(
      QStringLiteral("另存一份 Word 文档：每处问题一条批注，确定的修正作为修订"));
  m_saveReviewed->setEnabled(false);
  QPushButton* help = AddButton(this, row, QStringLiteral("帮助"), 52);
  QPushButton* about = AddButton(this, row, QStringLiteral("关于"), 52);
  tabOrder << check << m_moreChecks << clear << open << save << m_saveReviewed << help << about;

  connect(check, &QPushButton::clicked, this, &CClaimCheckDlg::OnCheck);
  connect(clear, &QPushButton::clicked, this, &CClaimCheckDlg::OnClear);
  connect(open, &QPushButton::clicked, this, &CClaimCheckDlg::OnOpen);
  connect(save, &QPushButton::clicked, this, &CClaimCheckDlg::OnSave);
  connect(m_saveReviewed, &QPushButton::clicked, this, &CClaimCheckDlg::OnSaveReviewedCopy);
  connect(help, &QPushButton::clicked, this, &CClaimCheckDlg::OnHelp);
  connect(about, &QPushButton::clicked, this, &CClaimCheckDlg::OnAbout);
  connect(m_moreChecks, &QCheckBox::toggled, this,
          [](bool on) { QSettings().setValue(kMoreChecksSetting, on); });
  return row;
}

QStatusBar* CClaimCheckDlg::MakeStatusBar() {
  auto* status = new QStatusBar(this);
  status->setSizeGripEnabled(false);
  m_statusLine = new QLabel(status);
  status->addWidget(m_statusLine, 1);
  m_listSwitch = new QToolButton(status);
  m_listSwitch->setText(QStringLiteral("问题列表"));
  m_listSwitch->setCheckable(true);
  m_listSwitch->setChecked(true);
  m_listSwitch->setAutoRaise(true);
  status->addPermanentWidget(m_listSwitch);
  connect(m_listSwitch, &QToolButton::toggled, this, &CClaimCheckDlg::FollowTheBox);
  return status;
}

void CClaimCheckDlg::FollowTheDocument() {
  QTextDocument* document = m_richEdit->document();
  // Any edit made where the report's step stood, or before it, takes the report away for good.
  connect(document, &QTextDocument::undoCommandAdded, this, [this, document] {
    if (document->availableUndoSteps() > m_reportUndoSteps) return;
    m_reportUndoSteps = -1;
    m_problems->Clear();
    m_report.clear();
  });
  connect(document, &QTextDocument::contentsChanged, this, &CClaimCheckDlg::FollowTheBox);
}

QWidget* CClaimCheckDlg::MakeProblemsPanel() {
  m_problemsPanel = new QWidget(this);
  m_fixOnly = new QCheckBox(QStringLiteral("只看需修改"), m_problemsPanel);
  m_fixOnly->setToolTip(QStringLiteral("列表中不显示“请复核”和“提示”（报告中仍然标出）"));
  m_problemView = MakeProblemView(m_problemsPanel, m_shownProblems);
  m_fix = new QPushButton(FromEngineText(kFixCommand), m_problemsPanel);
  m_fix->setToolTip(QStringLiteral("Ctrl+."));
  m_fixAll = new QPushButton(FromEngineText(kFixAllCommand), m_problemsPanel);
  auto* top = new QHBoxLayout;
  top->addWidget(m_fixOnly, 1);
  top->addWidget(m_fix);
  top->addWidget(m_fixAll);
  auto* layout = new QVBoxLayout(m_problemsPanel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addWidget(m_problemView, 1);

  connect(m_fix, &QPushButton::clicked, this, &CClaimCheckDlg::OnFix);
  connect(m_fixAll, &QPushButton::clicked, this, &CClaimCheckDlg::OnFixAll);
  m_problemView->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_problemView, &QWidget::customContextMenuRequested, this,
          &CClaimCheckDlg::ShowListMenu);

  connect(m_fixOnly, &QCheckBox::toggled, this, [this](bool on) {
    m_shownProblems->setFilterRegularExpression(on ? QStringLiteral("^fix$") : QString());
  });
  // A click, Enter or a double click on a row goes to its finding.
  for (auto signal : {&QAbstractItemView::clicked, &QAbstractItemView::activated}) {
    connect(m_problemView, signal, this,
            [this](const QModelIndex& index) { SelectProblem(index.row()); });
  }
  return m_problemsPanel;
}

void CClaimCheckDlg::AddShortcuts() {
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &CClaimCheckDlg::OnCheck);
  }
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
          &CClaimCheckDlg::OnHelp);
  connect(new QShortcut(QKeySequence(Qt::Key_F8), this), &QShortcut::activated, this,
          &CClaimCheckDlg::OnNextProblem);
  connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8), this), &QShortcut::activated, this,
          &CClaimCheckDlg::OnPreviousProblem);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period), this), &QShortcut::activated,
          this, &CClaimCheckDlg::OnFix);
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
          &CClaimCheckDlg::OnSave);
  connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
          &CClaimCheckDlg::OnOpen);
  m_richEdit->viewport()->installEventFilter(this);
  // With the focus on a button, the box does not see Ctrl+Z; a command's undo must not depend
  // on where the focus went. The box handles these keys itself while it has the focus.
  connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, m_richEdit,
          &QPlainTextEdit::undo);
  connect(new QShortcut(QKeySequence::Redo, this), &QShortcut::activated, m_richEdit,
          &QPlainTextEdit::redo);
}

void CClaimCheckDlg::OnCheck() {
  // The raw text, every character as pasted (toPlainText would make a no-break space a blank and
  // a line separator "\n"): what each becomes is the normalisation's to say, as in every front end.
  // The report's places stay bytes, which the list turns into the box's. The text is kept, as
  // the fixes of its findings apply to it.
  std::string text = ToEngineText(m_richEdit->document()->toRawText());
  const AnalysisOptions options{.review = m_moreChecks->isChecked()};
  CheckOutcome outcome = RunCheck(text, options, kPlacesNone);
  const std::string status = StatusLine(outcome.result);
  ShowOutcome(std::move(outcome), std::move(text), options, status);
}

void CClaimCheckDlg::ShowOutcome(CheckOutcome outcome, std::string checked,
                                 const AnalysisOptions& options, const std::string& status) {
  QTextCursor step(m_richEdit->document());
  step.beginEditBlock();
  PutTextIntoBox(FromEngineText(outcome.shownText));
  HighlightMarks(SpanRangesInBox(outcome.result.markInsides, outcome.shownText), g_markFormat);
  step.endEditBlock();
  // The report reads from its summary down, wherever the selection left the view.
  m_richEdit->verticalScrollBar()->setValue(0);

  m_status = FromEngineText(status);
  if (outcome.checked) {
    m_problems->SetResult(std::move(outcome.result), outcome.shownText);
    m_report = std::move(outcome.shownText);
    m_reportUndoSteps = m_richEdit->document()->availableUndoSteps();
    m_checkedText = std::move(checked);
    m_checkedOptions = options;
  }
  FollowTheBox();

  if (outcome.congratulate) ShowMessage(std::string(gbk::kMessageCongratulation));
}

void CClaimCheckDlg::OnFix() {
  if (!HoldsReport()) {
    OnCheck();
    return;
  }
  const int row = FixRow();
  if (row < 0) return;
  const int finding = m_shownProblems->mapToSource(m_shownProblems->index(row, 0)).row();
  ShowFixed(FixFinding(m_checkedText, m_checkedOptions, finding));
}

void CClaimCheckDlg::OnFixAll() {
  if (!HoldsReport()) OnCheck();
  if (HoldsReport()) ShowFixed(FixAll(m_checkedText, m_checkedOptions));
}

void CClaimCheckDlg::ShowFixed(FixedText fixed) {
  if (fixed.edits == 0) return;
  PutTextIntoBox(FromEngineText(fixed.text));
  const std::string status = FixedStatusLine(fixed.edits, fixed.outcome.result);
  ShowOutcome(std::move(fixed.outcome), std::move(fixed.text), m_checkedOptions, status);
}

int CClaimCheckDlg::FixRow() const {
  const int count = m_shownProblems->rowCount();
  const QModelIndex current = m_problemView->currentIndex();
  const int from = current.isValid()
                       ? current.row()
                       : RowAfter(*m_shownProblems, m_richEdit->textCursor().selectionStart());
  for (int i = 0; i < count; ++i) {
    const int row = (from + i) % count;
    if (m_shownProblems->index(row, 0).data(ProblemListModel::kHasFixRole).toBool()) return row;
  }
  return -1;
}

void CClaimCheckDlg::ShowListMenu(const QPoint& at) {
  const QModelIndex index = m_problemView->indexAt(at);
  if (index.isValid()) m_problemView->setCurrentIndex(index);
  QMenu menu(this);
  QAction* fix = menu.addAction(FromEngineText(kFixCommand), this, &CClaimCheckDlg::OnFix);
  fix->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
  fix->setEnabled(index.isValid() && index.data(ProblemListModel::kHasFixRole).toBool());
  menu.addAction(FromEngineText(kFixAllCommand), this, &CClaimCheckDlg::OnFixAll)
      ->setEnabled(m_problems->HasFixes());
  menu.exec(m_problemView->viewport()->mapToGlobal(at));
}

void CClaimCheckDlg::OnClear() {
  ResetAnalysis();
  PutTextIntoBox({});
}

void CClaimCheckDlg::OnHelp() {
  PutTextIntoBox(HelpText());
  m_richEdit->moveCursor(QTextCursor::Start);
}

void CClaimCheckDlg::OnAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CClaimCheckDlg::OnNextProblem() {
  if (HoldsReport())
    SelectProblem(RowAfter(*m_shownProblems, m_richEdit->textCursor().selectionEnd()));
}

void CClaimCheckDlg::OnPreviousProblem() {
  if (HoldsReport())
    SelectProblem(RowBefore(*m_shownProblems, m_richEdit->textCursor().selectionStart()));
}

void CClaimCheckDlg::OnSave() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString text = QStringLiteral("文本文件 (*.txt)");
  const QString html = QStringLiteral("网页 (*.html *.htm)");
  const QString offered = documents + u'/' + FromEngineText(kReportName) + QStringLiteral(".txt");
  QString filter = text;
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存报告"), offered,
                                              text + QStringLiteral(";;") + html, &filter);
  if (path.isEmpty()) return;
  // A name typed without its ending gets that of the chosen kind of file.
  if (QFileInfo(path).suffix().isEmpty()) {
    path += filter == html ? QStringLiteral(".html") : QStringLiteral(".txt");
  }
  SaveReport(path);
}

void CClaimCheckDlg::OnOpen() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = QFileDialog::getOpenFileName(
      this, QStringLiteral("打开"), documents,
      QStringLiteral("权利要求书 (*.docx *.txt);;Word 文档 (*.docx);;文本文件 (*.txt);;所有文件 (*)"));
  if (!path.isEmpty()) OpenFile(path);
}

bool CClaimCheckDlg::OpenFile(const QString& path) {
  QFile file(path);
  QString error;
  QString text;
  DocxDocument document;
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
  } else if (const QByteArray bytes = file.readAll(); KindOf(bytes) != FileKind::Text) {
    document = ReadDocx(bytes, path);
    error = document.error;
    text = document.claimsText;
  } else {
    EngineTextResult engine = FileToEngineText(bytes, FileEncoding::Utf8);
    if (engine.errorOffset) engine = FileToEngineText(bytes, FileEncoding::Gb18030);
    if (engine.errorOffset) error = FromEngineText(kRefusedNotText);
    text = FromEngineText(engine.bytes);
  }
  if (!error.isEmpty()) {
    const QString shown = QDir::toNativeSeparators(path);
    ShowMessage(ToEngineText(FromEngineText(kCannotOpen).arg(shown, error)));
    return false;
  }
  PutTextIntoBox(text);
  m_document = std::move(document);
  m_documentPath = m_document.lines.empty() ? QString() : path;
  m_documentText = ToEngineText(m_richEdit->document()->toRawText());
  OnCheck();
  return true;
}

void CClaimCheckDlg::OnSaveReviewedCopy() {
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存批注版"),
                                                    ReviewedCopyPath(m_documentPath),
                                                    QStringLiteral("Word 文档 (*.docx)"));
  if (!path.isEmpty()) SaveReviewedCopyTo(path);
}

bool CClaimCheckDlg::SaveReviewedCopyTo(const QString& path) {
  QString error;
  ReviewedCopy copy;
  if (QFileInfo(path).canonicalFilePath() == QFileInfo(m_documentPath).canonicalFilePath()) {
    error = QStringLiteral("批注版不能覆盖原文档，请另取一个文件名");
  } else {
    copy = ReviewDocument(m_document, m_checkedOptions.review, QDateTime::currentDateTimeUtc());
    error = copy.error.isEmpty() ? SaveReviewedCopy(path, copy.bytes) : copy.error;
  }
  if (!error.isEmpty()) {
    ShowMessage(ToEngineText(
        QStringLiteral("无法保存到 %1：\n%2").arg(QDir::toNativeSeparators(path), error)));
    return false;
  }
  m_statusLine->setText(QStringLiteral("已保存批注版 %1：%2 条批注，%3 处修订")
                            .arg(QFileInfo(path).fileName())
                            .arg(copy.comments)
                            .arg(copy.changes));
  return true;
}

bool CClaimCheckDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop) {
    return QDialog::eventFilter(watched, event);
  }
  auto* drop = static_cast<QDropEvent*>(event);
  const QList<QUrl> urls = drop->mimeData()->urls();
  if (urls.size() != 1 || !urls[0].isLocalFile()) return QDialog::eventFilter(watched, event);
  drop->acceptProposedAction();
  if (event->type() == QEvent::Drop) OpenFile(urls[0].toLocalFile());
  return true;
}

bool CClaimCheckDlg::SaveReport(const QString& path) {
  // While the box holds the check's report the engine writes it from its result; anything else
  // is saved as the box holds it.
  const bool report = HoldsReport();
  const std::string boxText =
      report ? std::string() : ToEngineText(m_richEdit->document()->toRawText());
  const SavedReportSource source{.text = report ? std::string_view(m_report) : boxText,
                                 .result = report ? &m_problems->Result() : nullptr,
                                 .fileName = {},
                                 .savedAt = QDateTime::currentSecsSinceEpoch(),
                                 .version = QUILLEX_VERSION};
  const QByteArray bytes = FromEngineText(IsHtmlFile(path) ? SavedReportHtml(source)
                                                           : SavedReportText(source))
                               .toUtf8();
  QSaveFile file(path);
  // Text mode writes the system's own line breaks.
  const QIODevice::OpenMode mode =
      IsHtmlFile(path) ? QIODevice::WriteOnly : QIODevice::WriteOnly | QIODevice::Text;
  if (file.open(mode) && file.write(bytes) == bytes.size() && file.commit()) return true;
  ShowMessage(ToEngineText(QStringLiteral("无法保存到 %1：\n%2")
                               .arg(QDir::toNativeSeparators(path), file.errorString())));
  return false;
}

bool CClaimCheckDlg::HoldsReport() const {
  return m_reportUndoSteps >= 0 &&
         m_richEdit->document()->availableUndoSteps() == m_reportUndoSteps;
}

bool CClaimCheckDlg::HoldsDocumentReport() const {
  return HoldsReport() && !m_documentPath.isEmpty() && m_checkedText == m_documentText;
}

void CClaimCheckDlg::FollowTheBox() {
  const bool report = HoldsReport();
  m_problemsPanel->setVisible(report && m_listSwitch->isChecked());
  m_fix->setEnabled(m_problems->HasFixes());
  m_fixAll->setEnabled(m_problems->HasFixes());
  m_saveReviewed->setEnabled(HoldsDocumentReport());
  m_statusLine->setText(report ? m_status : QString());
}

void CClaimCheckDlg::SelectProblem(int row) {
  if (row < 0) return;
  const QModelIndex index = m_shownProblems->index(row, 0);
  QTextCursor cursor(m_richEdit->document());
  cursor.setPosition(index.data(ProblemListModel::kRangeStartRole).toInt());
  cursor.setPosition(index.data(ProblemListModel::kRangeEndRole).toInt(), QTextCursor::KeepAnchor);
  m_richEdit->setTextCursor(cursor);
  m_problemView->setCurrentIndex(index);
  m_problemView->scrollTo(index);
}

void CClaimCheckDlg::PutTextIntoBox(const QString& text) {
  QTextCursor cursor(m_richEdit->document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(text, g_normalFormat);
  cursor.endEditBlock();
}

void CClaimCheckDlg::HighlightMarks(const std::vector<BoxRange>& ranges,
                                    const QTextCharFormat& format) {
  m_richEdit->setTextCursor(MarkPainter(m_richEdit->document()).Colour(ranges, format));
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
