// The check as the user starts it, shared by the window and the command line: the box's text is
// normalised, the arrays are emptied and the text analysed.
#pragma once

#include <string>
#include <string_view>

// The box's text trimmed of ASCII whitespace, then with every ASCII space and tab removed, ","
// and ":" made full-width, "．" made ".", "（" and "）" made ASCII, and every "【" and "】"
// removed, in that order. Nothing else changes.
std::string NormalizeClaimsText(std::string_view boxText);

struct CheckOutcome {
  std::string shownText;      // the report, or the normalised text when no claim 1 was found
  bool checked = false;       // at least one claim was found and analysed
  bool congratulate = false;  // a claim was found and the report counts no problem
};

// Normalises `boxText`, empties g_claims, g_paragraphs and g_markSpans and analyses the text.
// Messages of the analysis go to the message sink; the congratulation is left to the caller, who
// shows it once the text is on screen.
CheckOutcome RunCheck(std::string_view boxText);
