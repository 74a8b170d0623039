// What the window takes from the program's resources: its icon, its help text, its font and the
// two character formats of the text box.
#pragma once

#include <QFont>
#include <QIcon>
#include <QString>
#include <QTextCharFormat>

// The application icon, with its 16 x 16 and 32 x 32 images.
QIcon ApplicationIcon();

// The help text that "帮助" puts into the box: lines separated by "\n", the last line empty.
QString HelpText();

// The About box's four lines, which the web page shows too: its title, the program's name, its
// version (QUILLEX_VERSION in place of "%1") and the remark. Empty strings if the resource is
// missing.
struct AboutLines {
  QString title;
  QString name;
  QString version;
  QString remark;
};
AboutLines AboutText();

// "宋体" at `points`, falling back to the CJK fonts a system without it is likely to have.
QFont ProgramFont(qreal points);

// The box's text in black, and the inside of a mark in red: "宋体" at 12.8 points, neither bold,
// italic nor underlined. Empty formats until InitCharFormats has run, which the main window does
// when it is constructed (a font needs the application object); they never change after that.
extern QTextCharFormat g_normalFormat;
extern QTextCharFormat g_markFormat;
void InitCharFormats();
