// The body of a Word document as Word shows it: its paragraphs' text, and for each run that
// shows characters where it stands in the part's XML, so that a reviewed copy can change the
// part only where it anchors a comment or a change.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class DocxNumbering;

// One child of a run, by its place in the part's text (UTF-16 offsets of the whole element).
struct RunChild {
  qsizetype start = 0;
  qsizetype end = 0;
  bool isText = false;   // a w:t, whose text may be split
  QString text;          // what it shows: a w:t's text, "\t" for a tab, "\n" for a break, or ""
  qsizetype column = 0;  // where its characters start in the paragraph's text
};

struct DocxRun {
  int paragraph = 0;  // index in DocxBody::paragraphs
  qsizetype start = 0, end = 0;
  QString properties;  // the run's w:rPr as written, or ""
  std::vector<RunChild> children;
  qsizetype column = 0, length = 0;  // its characters in the paragraph's text
  // Whether a tracked change may be made in it: not inside a field's result, a tracked change of
  // its own or another container that a w:del or w:ins may not stand in.
  bool editable = true;
};

struct DocxParagraph {
  QString text;              // as Word shows it, the automatic number (and what follows it) first
  qsizetype numberLength = 0;  // the characters of that number: shown, but in no run
  qsizetype contentStart = 0;  // where a marker before the first run may go
};

struct DocxBody {
  QString xml;                    // the part, decoded
  QString prefix;                 // the prefix the part gives the main namespace ("w")
  std::vector<DocxParagraph> paragraphs;  // every paragraph of the body, table cells' included
  std::vector<DocxRun> runs;      // in document order
  int largestId = 0;              // the largest w:id of the part, for new ids after it
  QString error;                  // why the part could not be read
};

// Reads the main document part `xml` (its name `part` for messages), numbering its paragraphs
// with `numbering`: text of runs, tabs, line breaks, fields as their result, tracked changes as
// accepted, hidden text, drawings and text boxes left out.
DocxBody ReadBody(const QByteArray& xml, const QString& part, DocxNumbering& numbering);
