// The main window: one large text box for the claims and, under it, the buttons "开始检查",
// "清空", "帮助" and "关于".
#pragma once

#include <QDialog>
#include <QIcon>
#include <QStringView>
#include <string>

class QTextCharFormat;
class QPlainTextEdit;

class CClaimCheckDlg : public QDialog {
  Q_OBJECT

 public:
  // The window with an empty box holding the focus. Builds the box's two character formats.
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
  void OnCheck();
  // Empties the box and the claims of the last check.
  void OnClear();
  // Puts the help text into the box.
  void OnHelp();
  // Runs the About box.
  void OnAbout();

 protected:
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

 private:
  static constexpr unsigned kAboutCommandId = 0x10;

  // Replaces the box's whole text with m_text, in the normal format, as one edit block.
  void PutTextIntoBox();
  // Colours the text between each `open` and the next `close` with `format` and leaves the
  // selection on the last coloured range, or on the whole text when nothing was coloured.
  void HighlightMarks(QStringView open, QStringView close, const QTextCharFormat& format);
  void AddShortcuts();
#ifdef Q_OS_WIN
  void AddAboutItemToSystemMenu();
#endif

  QPlainTextEdit* m_richEdit;
  std::string m_text;  // the box's text as the last command read or wrote it, in GBK
  QIcon m_hIcon;
};
