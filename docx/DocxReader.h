// A Word document read for the check: its package, its body, and the claims section as the
// text the check is given, with where each of the text's lines stands in the document.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

#include "DocxBody.h"
#include "DocxPackage.h"

struct AnalysisResult;

// Where a line of the claims text starts in the document.
struct LineOrigin {
  int paragraph = 0;       // index in the body's paragraphs
  qsizetype column = 0;    // UTF-16 offset in the paragraph's text
};

struct DocxDocument {
  DocxPackage package;
  QString mainPart;  // the main document part's entry name, "word/document.xml"
  DocxBody body;
  // The claims section: the paragraphs after the "权利要求书" heading up to the next part's
  // heading, or every paragraph.
  int firstParagraph = 0;
  int endParagraph = 0;
  QString claimsText;  // those paragraphs, each ending in "\n"; a line break in one also ends a line
  std::vector<LineOrigin> lines;  // one per line of claimsText
  QString error;  // why `bytes` cannot be read as a Word document
};

// Reads the Word document `bytes`, a file named `fileName` (for the messages that name a .wps).
// On failure only `error` is set: one line's reason (a .doc, a .wps, an OpenDocument text, a
// damaged zip, a zip bomb, an entry leaving the package, a password, a part that is not XML).
DocxDocument ReadDocx(QByteArrayView bytes, const QString& fileName);

// Moves every place of `result` (the check of `document.claimsText`, located in it) into the
// document: the line becomes the paragraph's number, counted from 1 over the body's paragraphs,
// and the column the character in that paragraph as Word shows it, its automatic number
// included.
void PlaceInDocument(AnalysisResult& result, const DocxDocument& document);

// The paragraph and UTF-16 offset in it of the claims text's `line` and code-point `column`
// (both from 1), or a paragraph of -1 for a place outside the text.
LineOrigin OriginOf(const DocxDocument& document, int line, int column);
