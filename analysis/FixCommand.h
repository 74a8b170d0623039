// Every certain correction applied to the box's text, as `quillex-check --fix` does and as a
// front end's "全部修正" may.
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

// Checks `boxText` with the further checks, applies every fix that goes together with the
// others (SelectEdits) and checks again, until no fix is left or a fix no longer changes
// anything, at most kMaxFixRounds times: a fix that had to wait for another, or a slip made
// again in one claim (shown once), is corrected on a later check. Checking the text it returns
// gives no fix that changes it, so fixing it again changes nothing, unless one slip stands more
// than kMaxFixRounds times in one claim (each check corrects one of them). Messages of each
// check go to the message sink.
inline constexpr int kMaxFixRounds = 32;
FixedText FixAll(std::string_view boxText);
