// What quillex-check does with its inputs: each one read, decoded, checked as the check button
// would, and its report written out.
#pragma once

#include <QStringList>
#include <cstdio>

#include "ClaimsCodec.h"
#include "result/Finding.h"

// Exit statuses, from best to worst; with several inputs the worst one counts.
inline constexpr int kExitCongratulated = 0;  // the check found claims and no problem
inline constexpr int kExitReported = 1;       // a report was written, with problems or no summary
inline constexpr int kExitNotChecked = 2;     // no claim 1, an empty text, or bad input or usage

enum class OutputFormat {
  Report,  // the shown text of each check, as the window shows it
  Json,    // one JSON document (UTF-8) for the whole run
  Lines,   // one "PATH:LINE:COLUMN: SEVERITY: …" line per finding, as compilers write them
  Html,    // the saved report as a web page (UTF-8), the window's "保存报告…" of one input
};

// What to do with the certain corrections (--fix, --diff).
enum class FixMode {
  None,   // only check
  Apply,  // rewrite each file with its fixes; standard input, fixed, to standard output
  Diff,   // write the unified diff of what Apply would do, change nothing
};

struct CheckOptions {
  FileEncoding encoding = FileEncoding::Utf8;  // of the inputs, and of what is not JSON
  OutputFormat format = OutputFormat::Report;
  bool review = false;                     // also run the further checks
  Severity minSeverity = Severity::kNote;  // the least severe finding that json and lines show
  FixMode fix = FixMode::None;  // with Apply or Diff, the format is not used
  bool annotate = false;  // write each Word document's reviewed copy instead of a report
  QString output;         // with `annotate` and one input: the copy's path, else beside it
};

// Checks every input of `paths` in order ("-" is standard input). In the report format the shown
// text of each check goes to `out` with "\n" line breaks and a final line break, preceded by a
// line "==> NAME <==" when there are several inputs; the other formats write what the README
// describes; the html format takes one input and writes its saved report as a web page in UTF-8,
// named after the file (nothing but its messages when no claim 1 was found). Every message of the check and the congratulation go to `err` in every format, and
// one line per error for an input that cannot be read or decoded, which then writes nothing to
// `out` (its JSON entry has the status "error"). An entry's status is "clean" exactly when the
// input's exit status is kExitCongratulated. Returns the worst exit status of all inputs,
// kExitNotChecked also when `out` could not be written. With `review`, an input that was checked
// gets kExitCongratulated when no finding of severity fix or review (and at least
// `minSeverity`) remains, else kExitReported.
//
// With `fix`, each input is fixed as FixAll fixes it (the further checks run), and its status is
// that of the fixed text, as with `review`. Apply replaces a file that changed (ReplaceFile) and
// tells on `err` how many edits it made; a file that cannot be written gets one line naming it and
// is left as it was. Diff writes each changed file's unified diff to `out`.
//
// With `annotate`, each input must be a Word document: its reviewed copy (ReviewDocument, with
// the further checks' comments when `review`) is written to `output` or ReviewedCopyPath beside
// it, never over the input, and `err` says where and what it holds; the status is that of the
// check, as with `review`. An input that is not a Word document, has no claim 1 or whose copy
// cannot be written gets one line and kExitNotChecked, and nothing is written.
int CheckInputs(const QStringList& paths, const CheckOptions& options, std::FILE* out,
                std::FILE* err);
