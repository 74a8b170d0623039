#include "CheckCommand.h"

#include <algorithm>
#include <iterator>

#include "AnalyzeClaims.h"
#include "report/AnnotatedReport.h"
#include "result/FindingPlaces.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// False for every character the normalisation leaves alone, judged by its first byte: the
// full-width characters it replaces all begin with 0xA1 or 0xA3.
bool MayBeReplaced(char first) {
  switch (static_cast<unsigned char>(first)) {
    case ' ':
    case '\t':
    case ',':
    case ':':
    case 0xA1:
    case 0xA3:
      return true;
    default:
      return false;
  }
}

// Resets the analysis and analyses the normalised text; the findings' places in the box's text
// are left to the caller.
CheckOutcome AnalyzeNormalized(std::string normalized, const AnalysisOptions& options,
                               CheckPlaces places) {
  ResetAnalysis();
  CheckOutcome outcome;
  outcome.result = AnalyzeToResult(normalized, options);
  outcome.checked = !outcome.result.claims.empty();
  outcome.shownText = outcome.checked
                          ? WriteReport(outcome.result, normalized, (places & kPlacesInReport) != 0)
                          : std::move(normalized);
  outcome.congratulate = outcome.result.outcome == Outcome::kClean;
  return outcome;
}

}  // namespace

std::string NormalizeClaimsText(std::string_view boxText, SourceMap* map) {
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
  // Every replacement swaps one whole character for another or for nothing, so the characters
  // of the text stay where they were for the replacements after it, and none makes a character
  // that a later one would replace: one walk gives what the replacements in turn would give.
  const std::string_view text = TrimAscii(boxText);
  const auto trimmed = static_cast<int32_t>(text.data() - boxText.data());
  if (map && trimmed > 0) map->Record(0, 0, 0, trimmed);
  std::string normalized;
  normalized.reserve(text.size() + text.size() / 8);
  int copied = 0;
  for (int pos = 0; pos < Size(text); pos += CharLength(text[pos])) {
    if (!MayBeReplaced(text[pos])) continue;
    const std::string_view character = text.substr(pos, CharLength(text[pos]));
    const auto replacement =
        std::find_if(std::begin(kReplacements), std::end(kReplacements),
                     [&](const Replacement& r) { return r.from == character; });
    if (replacement == std::end(kReplacements)) continue;
    normalized.append(text.substr(copied, pos - copied));
    if (map) map->Record(Size(normalized), trimmed + pos, Size(replacement->to), Size(character));
    normalized.append(replacement->to);
    copied = pos + Size(character);
  }
  normalized.append(text.substr(std::min(copied, Size(text))));
  return normalized;
}

CheckOutcome RunCheck(std::string_view boxText, const AnalysisOptions& options,
                      CheckPlaces places) {
  const bool inUserText = (places & kPlacesInUserText) != 0;
  SourceMap map;
  CheckOutcome outcome =
      AnalyzeNormalized(NormalizeClaimsText(boxText, inUserText ? &map : nullptr), options, places);
  if (inUserText) LocateFindings(outcome.result, boxText, map);
  return outcome;
}

CheckOutcome RunCheck(std::string&& boxText, const AnalysisOptions& options,
                      CheckPlaces places) {
  if ((places & kPlacesInUserText) != 0) return RunCheck(std::string_view(boxText), options, places);
  std::string normalized = NormalizeClaimsText(boxText);
  std::string().swap(boxText);
  return AnalyzeNormalized(std::move(normalized), options, places);
}
