#include "CheckCommand.h"

#include "AnalyzeClaims.h"
#include "ClaimRecord.h"
#include "GbkText.h"
#include "GbkTexts.h"

std::string NormalizeClaimsText(std::string_view boxText) {
  struct Replacement {
    std::string_view from;
    std::string_view to;
  };
  static constexpr Replacement kReplacements[] = {
      {" ", ""},
      {"\t", ""},
      {",", gbk::kComma},
      {":", gbk::kColon},
      {gbk::kFullWidthFullStop, "."},
      {gbk::kFullWidthParenOpen, "("},
      {gbk::kFullWidthParenClose, ")"},
      {gbk::kMarkOpen, ""},
      {gbk::kMarkClose, ""},
  };
  std::string text(TrimAscii(boxText));
  for (const Replacement& r : kReplacements) text = ReplaceAll(text, r.from, r.to);
  return text;
}

CheckOutcome RunCheck(std::string_view boxText) {
  const std::string normalized = NormalizeClaimsText(boxText);
  g_claims.Empty();
  g_paragraphs = {};
  g_markSpans = {};
  CheckOutcome outcome;
  outcome.shownText = AnalyzeClaims(normalized);
  outcome.checked = g_claims.Count() > 0;
  outcome.congratulate = outcome.checked && Contains(outcome.shownText, gbk::kNoProblemsFound);
  return outcome;
}
