// The reviewed copy of a Word document: the document as it was, with a Word comment at each
// comment of a review plan and each of its changes as a tracked change, both by "Quillex", to be
// accepted, rejected or deleted in Word's 审阅.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "DocxReader.h"
#include "report/ReviewPlan.h"

// The author of every comment and change of ours.
inline constexpr char kReviewAuthor[] = "Quillex";

struct ReviewedCopy {
  QByteArray bytes;  // the copy's package, "" when `error` is set
  int comments = 0;  // comments of ours it holds
  int changes = 0;   // tracked changes of ours it holds (a deletion and its insertion are one)
  QString error;     // why no copy could be made
  AnalysisResult result;  // ReviewDocument: the check the copy was made from
};

// The copy of `document` (as ReadDocx read it) with `plan`, whose places are in the document's
// claimsText (its lines and code-point columns, as a check of that text gives them), dated `date`.
//
// A comment is anchored on its characters, a run split where it starts or ends (both halves keep
// the run's formatting); one whose place falls in Word's automatic number is anchored on the
// first character after it. The comments part, its relationship and its content type are added
// when the document has none; comments it had are kept, ours numbered after every id it uses.
// A change is a w:del of the old characters (w:delText) followed by a w:ins of the new, with the
// formatting of the run it stands in. A change is left out, never forced, where Word could not
// hold it: in the automatic number (renumbering there is Word's own), across paragraphs, in a
// field, inside a tracked change of the document's own, or across runs that are not siblings.
// Every part but the main document, the comments part, the content types and the document's
// relationships is copied as it was, and the main document changes only where something of ours
// is anchored: with our changes rejected and our comments deleted, the copy's text is the
// original's.
ReviewedCopy WriteReviewedCopy(const DocxDocument& document, const ReviewPlan& plan,
                               const QDateTime& date);

// The copy of `document` reviewed as the check of its claims text (with the further checks)
// gives it: PlanReview, with the further checks' findings commented when `further`, and the
// check's result placed in the document (PlaceInDocument). Messages of the check go to the message
// sink. With no claim checked there is nothing to review: `error` says so.
ReviewedCopy ReviewDocument(const DocxDocument& document, bool further, const QDateTime& date);

// Where the reviewed copy of `path` goes by default: beside it, "NAME.quillex.docx".
QString ReviewedCopyPath(const QString& path);

// Writes `bytes` to `path` through a temporary file in the same folder, renamed over `path` once
// complete: a copy that cannot be written leaves nothing behind. Returns why it failed, or "".
QString SaveReviewedCopy(const QString& path, const QByteArray& bytes);
