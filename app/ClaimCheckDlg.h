// The main window: one large text box for the claims, beside it the problems list of the last
// check with the buttons "修正" and "全部修正", under them the buttons "开始检查", "清空", "打开…",
// "保存报告…", "保存批注版…", "帮助" and "关于" with the check box "更多检查", and under those the
// status line.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QStringView>
#include <string>
#include <vector>

#include "AnalyzeClaims.h"
#include "DocxReader.h"
#include "report/BoxRanges.h"

struct CheckOutcome;
struct FixedText;

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStatusBar;
class QTextCharFormat;
class QToolButton;
class QTreeView;
class ProblemListModel;

class CClaimCheckDlg : public QDialog {
  Q_OBJECT

 public:
  // The setting that keeps the state of "更多检查" between runs.
  static constexpr const char* kMoreChecksSetting = "check/moreChecks";

  // The window with an empty box holding the focus, the problems list hidden and the status line
  // empty. Builds the box's two character formats.
  explicit CClaimCheckDlg(QWidget* parent = nullptr);

  // True for the command ids of the system menu's About item: 0x10 to 0x1F, since the low four
  // bits of a system command are the system's own.
  static constexpr bool IsAboutCommand(unsigned commandId) {
    return (commandId & 0xFFF0) == kAboutCommandId;
  }

  // The commands. "开始检查", "清空" and "帮助" each replace the box's text as one undoable step
  // (Ctrl+Z brings back what the box held); none of them asks for confirmation.

  // Checks the box's text and shows the report (or, when no claim 1 was found, the normalised
  // text) in black with the inside of every mark in red; congratulates when nothing was found.
  // The problems list and the status line then show the check's findings for as long as the box
  // holds its report: an edit or an undo hides them, a redo that brings the report back shows
  // them again.
  void OnCheck();
  // "修正" (its button, a row's context menu, Ctrl+.): applies the fix of the chosen finding to
  // the text the last check was given: the list's current row, or when it has none or it has no
  // fix, the first row with a fix from it (or from the box's selection) on, wrapping around. The
  // box then holds that text corrected, as one step, and then its check, as another: one Ctrl+Z
  // shows the corrected text, a second the report before the fix. The status line says how many
  // places were corrected. While the box does not hold the report (it was edited since), the fix
  // would not be the text's: the box's text is checked instead, and nothing is applied.
  void OnFix();
  // "全部修正": every fix of the check, as `quillex-check --fix` applies them (with the further
  // checks only when the check ran them), in the same two steps. While the box does not hold the
  // report, its text is checked first.
  void OnFixAll();
  // Empties the box and the claims of the last check.
  void OnClear();
  // Puts the help text into the box.
  void OnHelp();
  // Runs the About box.
  void OnAbout();
  // F8 and Shift+F8: select in the box the next finding of the list after the selection's end
  // (or the cursor), or the previous one before its start, and make it the list's current row;
  // both wrap around. Nothing happens while the box holds no report or the list no row.
  void OnNextProblem();
  void OnPreviousProblem();
  // Asks for a file, then saves the box's text to it as SaveReport does.
  void OnSave();
  // Asks for a Word document or a text file, then opens it as OpenFile does.
  void OnOpen();
  // Puts the claims of `path` into the box, as one undoable step like a paste, and checks them:
  // a Word document (known by its content) gives its claims section, a text file its text
  // (UTF-8, else GB18030). A file that cannot be read gets a message naming it and why, and the
  // box stays as it was. Returns whether the file was opened.
  bool OpenFile(const QString& path);
  // Writes the saved report of the box to `path`: as a web page (title, date, version, the count
  // by severity, the table of problems and the claims with the marks in red) when the name ends
  // in ".html" or ".htm", else as UTF-8 text under the count by severity. A box that no longer
  // holds the check's report is saved as it stands, without count or table. On failure the user is told why and
  // false is returned; an existing file is replaced only by a complete one.
  bool SaveReport(const QString& path);
  // "保存批注版…": asks for a name (the document's own with ".quillex.docx" offered), then saves
  // the reviewed copy there as SaveReviewedCopyTo does. Enabled while the box holds the report of
  // the claims of the Word document last opened.
  void OnSaveReviewedCopy();
  // Writes the reviewed copy of the Word document last opened (ReviewDocument, with the further
  // checks' comments when the check ran them) to `path`, never over the document itself, and
  // says in the status line what it holds. On failure the user is told why and false is returned.
  bool SaveReviewedCopyTo(const QString& path);

 protected:
  // A file dropped onto the box is opened as OpenFile opens it.
  bool eventFilter(QObject* watched, QEvent* event) override;
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

 private:
  static constexpr unsigned kAboutCommandId = 0x10;

  // Shows a check of `checked` with `options` as one step: its report coloured, and, when it
  // checked claims, its findings in the list and `status` in the status line.
  void ShowOutcome(CheckOutcome outcome, std::string checked, const AnalysisOptions& options,
                   const std::string& status);
  // Puts the text of `fixed` into the box as one step and its check as another; nothing when no
  // edit was applied.
  void ShowFixed(FixedText fixed);
  // The row of the shown list whose fix "修正" applies, or -1 when no row has one.
  int FixRow() const;
  // The list's context menu at `at`, a point of its viewport.
  void ShowListMenu(const QPoint& at);
  // Replaces the box's whole text with `text`, in the normal format, as one edit block.
  void PutTextIntoBox(const QString& text);
  // Colours the ranges (the insides of the report's brackets, as the result records them) with
  // `format` and leaves the selection on the last of them, or on the whole text when none.
  void HighlightMarks(const std::vector<BoxRange>& ranges, const QTextCharFormat& format);
  // The parts of the window, top to bottom, each wired to what it drives: the box beside the
  // problems list; the row of buttons, whose widgets are appended to `tabOrder` in order; the
  // status line with the list's switch.
  QWidget* MakeWorkArea();
  QHBoxLayout* MakeButtonRow(QWidgetList& tabOrder);
  QStatusBar* MakeStatusBar();
  // The list with its filter 只看需修改 above it, wired to the box.
  QWidget* MakeProblemsPanel();
  // The list and the status line follow what the box's document holds.
  void FollowTheDocument();
  void AddShortcuts();
  // True while the box holds the report of the last check, as the check left it.
  bool HoldsReport() const;
  // True while it holds the report of the opened Word document's claims as opened.
  bool HoldsDocumentReport() const;
  // Shows the problems list (unless the user turned it off) and the status line while the box
  // holds the report, and hides them otherwise.
  void FollowTheBox();
  // Selects the range of the list's `row` in the box and makes it the list's current row.
  void SelectProblem(int row);
#ifdef Q_OS_WIN
  void AddAboutItemToSystemMenu();
#endif

  QPlainTextEdit* m_richEdit;
  QWidget* m_problemsPanel;
  QTreeView* m_problemView;
  ProblemListModel* m_problems;
  QSortFilterProxyModel* m_shownProblems;  // the list's rows; only fixes with 只看需修改
  QCheckBox* m_moreChecks;
  QCheckBox* m_fixOnly;
  QPushButton* m_fix;
  QPushButton* m_fixAll;
  QPushButton* m_saveReviewed;
  QToolButton* m_listSwitch;  // in the status bar: whether the list shows beside a report
  QLabel* m_statusLine;
  QString m_status;  // the status line of the last check
  std::string m_report;  // the last check's report, GBK, while m_problems holds its result
  // The text the last check that found claims was given, as the engine reads it, and its
  // options: what a fix of its findings applies to.
  std::string m_checkedText;
  AnalysisOptions m_checkedOptions;
  // The undo steps the document had when the last check's report went in, or -1 once that step
  // is gone for good (an edit made before it, in its place).
  int m_reportUndoSteps = -1;
  // The Word document last opened, its path and its claims as the box held them once opened;
  // empty once a text file is opened.
  DocxDocument m_document;
  QString m_documentPath;
  std::string m_documentText;
  QIcon m_hIcon;
};
