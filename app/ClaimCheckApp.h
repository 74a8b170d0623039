// The application: start-up, the main window's run, and the message boxes of the whole program.
//
// The claims of a check (g_claims, g_paragraphs) and the stop characters of the
// antecedent check (g_termStopChars) are objects of static storage in the engine: they exist
// before the application starts and stay until the process ends, so every command of the window
// finds them.
#pragma once

#include <QApplication>

#include "MessageSink.h"

class CClaimCheckApp {
 public:
  // Sets up Qt; the program's name, and so the caption of its message boxes, is the executable's
  // file name without its extension.
  CClaimCheckApp(int& argc, char** argv);

  // Opens the main window, shows the engine's messages in modal boxes over it while it is open,
  // and returns once it has been closed (Esc, the close box, Alt+F4): the process's exit status.
  int InitInstance();

 private:
  QApplication m_app;
};

// A sink that shows each GBK message in a modal box over `parent` (which must outlive the sink's
// use), captioned with the application's name, with an OK button only.
MessageSink MessageBoxSink(QWidget* parent);
