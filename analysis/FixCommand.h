// Certain corrections applied to the box's text: every one, as `quillex-check --fix` and the
// front ends' "全部修正" apply them, or one finding's, as their "修正" does.
#pragma once

#include <string>
#include <string_view>

#include "AnalyzeClaims.h"
#include "CheckCommand.h"

struct FixedText {
  std::string text;      // the box's text with the fixes applied, every other byte as it was
  int edits = 0;         // the edits applied, over all checks
  CheckOutcome outcome;  // the check of `text`, with its places in it
};

// Checks `boxText` with `options` (the command line's with the further checks), applies every fix that goes together with the
// others (SelectEdits) and checks again, until no fix is left or a fix no longer changes
// anything, at most kMaxFixRounds times: a fix that had to wait for another, or a slip made
// again in one claim (shown once), is corrected on a later check. Checking the text it returns
// gives no fix that changes it, so fixing it again changes nothing, unless one slip stands more
// than kMaxFixRounds times in one claim (each check corrects one of them). Messages of each
// check go to the message sink.
inline constexpr int kMaxFixRounds = 32;
FixedText FixAll(std::string_view boxText, const AnalysisOptions& options = {.review = true});

// Checks `boxText` with `options`, applies the fix of its finding `finding` alone (counting every
// finding of every claim in report order, as the problems lists' rows count them) and checks the
// fixed text again with `options`. The fix is made on `boxText` itself, so a front end hands over
// the text of the check whose finding the user chose, never one edited since. With no such
// finding, or one without a fix, nothing is applied: `text` is `boxText`, `edits` 0 and `outcome`
// its check.
FixedText FixFinding(std::string_view boxText, const AnalysisOptions& options, int finding);
