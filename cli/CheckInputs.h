// What quillex-check does with its inputs: each one read, decoded, checked as the check button
// would, and its report written out.
#pragma once

#include <QStringList>
#include <cstdio>

#include "ClaimsCodec.h"

// Exit statuses, from best to worst; with several inputs the worst one counts.
inline constexpr int kExitCongratulated = 0;  // the check found claims and no problem
inline constexpr int kExitReported = 1;       // a report was written, with problems or no summary
inline constexpr int kExitNotChecked = 2;     // no claim 1, an empty text, or bad input or usage

// Checks every input of `paths` in order ("-" is standard input), reading and writing text in
// `encoding`. The shown text of each check goes to `out` with "\n" line breaks and a final line
// break, preceded by a line "==> NAME <==" when there are several inputs. Every message of the
// check and the congratulation go to `err`, one line per error for an input that cannot be read
// or decoded, which then writes nothing to `out`. Returns the worst exit status of all inputs,
// kExitNotChecked also when `out` could not be written.
int CheckInputs(const QStringList& paths, FileEncoding encoding, std::FILE* out, std::FILE* err);
