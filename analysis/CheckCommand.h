// The check as the user starts it, shared by the window and the command line: the box's text is
// normalised, the arrays are emptied and the text analysed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "result/AnalysisResult.h"
#include "AnalyzeClaims.h"
#include "text/SourceMap.h"

// The box's text (paragraphs ending in "\r\n") trimmed of whitespace of any kind, then with every
// blank removed, every other line break made "\r\n", "," and ":" made full-width, the full-width
// digits "０" to "９", "．", "（" and "）" made ASCII, and every "【" and "】" removed.
// Blanks are the ASCII space and tab and the spaces of gbk::kOtherBlanks (the ideographic space,
// the no-break spaces, U+2000 to U+200A, U+FEFF); the other line breaks are vertical tab, form
// feed and gbk::kOtherLineBreaks (U+0085, U+2028, U+2029). Nothing else changes: a text written
// with the ASCII blank, digits and "\r\n" in their place normalises to the same text. The trim
// stops at a "【" or "】" as it stops at any other character. When `map` is given, every
// character trimmed at the start, removed or replaced is recorded in it.
std::string NormalizeClaimsText(std::string_view boxText, SourceMap* map = nullptr);

// Where RunCheck places the findings, besides the byte spans the analysis gives them. Each place
// costs a walk over a whole text, so a caller asks only for those it shows.
enum CheckPlaces : uint8_t {
  kPlacesNone = 0,
  kPlacesInReport = 1,    // every finding's reportStart and reportLength in code points
  kPlacesInUserText = 2,  // every claim's and finding's place, and length, in the box's text
  kPlacesAll = kPlacesInReport | kPlacesInUserText,
};

struct CheckOutcome {
  std::string shownText;      // the report, or the normalised text when no claim was found
  AnalysisResult result;      // with the places asked for
  bool checked = false;       // at least one claim was found and analysed
  bool congratulate = false;  // a claim was found and the report counts no problem
};

// Normalises `boxText`, resets the analysis, analyses the text with `options` and places the
// findings as `places` asks; the places not asked for stay as WriteReport and the analysis leave
// them (report places in bytes, places in the box's text 0). Messages of
// the analysis go to the message sink; the congratulation is left to the caller, who shows it
// once the text is on screen.
CheckOutcome RunCheck(std::string_view boxText, const AnalysisOptions& options = {},
                      CheckPlaces places = kPlacesAll);

// RunCheck of a text the caller gives up: unless its places are asked for, it is released once
// normalised, so that it is not held beside the analysis and the report.
CheckOutcome RunCheck(std::string&& boxText, const AnalysisOptions& options = {},
                      CheckPlaces places = kPlacesAll);
