// The check as the user starts it, shared by the window and the command line: the box's text is
// normalised, the arrays are emptied and the text analysed.
#pragma once

#include <string>
#include <string_view>

#include "AnalysisResult.h"
#include "AnalyzeClaims.h"
#include "SourceMap.h"

// The box's text trimmed of ASCII whitespace, then with every ASCII space and tab removed, ","
// and ":" made full-width, "．" made ".", "（" and "）" made ASCII, and every "【" and "】"
// removed, in that order. Nothing else changes. When `map` is given, every character trimmed,
// removed or replaced is recorded in it.
std::string NormalizeClaimsText(std::string_view boxText, SourceMap* map = nullptr);

struct CheckOutcome {
  std::string shownText;      // the report, or the normalised text when no claim was found
  AnalysisResult result;      // with every claim and finding located in the box's text
  bool checked = false;       // at least one claim was found and analysed
  bool congratulate = false;  // a claim was found and the report counts no problem
};

// Normalises `boxText`, resets the analysis and analyses the text with `options`. Messages of
// the analysis go to the message sink; the congratulation is left to the caller, who shows it
// once the text is on screen.
CheckOutcome RunCheck(std::string_view boxText, const AnalysisOptions& options = {});
