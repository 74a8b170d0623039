#include "CheckCommand.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <optional>

#include "AnalyzeClaims.h"
#include "claims/ClaimRecord.h"
#include "report/AnnotatedReport.h"
#include "result/FindingPlaces.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// What one character of the box's text becomes.
struct Replacement {
  std::string_view from;
  std::string_view to;
  bool blank = false;  // a space or a line break: trimmed at the ends of the text
};

constexpr std::string_view kLineBreak = "\r\n";

// The characters the normalisation has always replaced, and the other line breaks of ASCII.
constexpr Replacement kAsciiAndFullWidth[] = {
    {" ", "", true},
    {"\t", "", true},
    {"\v", kLineBreak, true},
    {"\f", kLineBreak, true},
    {",", gbk::kComma},
    {":", gbk::kColon},
    {gbk::kFullWidthFullStop, "."},
    {gbk::kFullWidthParenOpen, "("},
    {gbk::kFullWidthParenClose, ")"},
    {gbk::kMarkOpen, ""},
    {gbk::kMarkClose, ""},
};

constexpr size_t kReplacementCount =
    std::size(kAsciiAndFullWidth) + std::size(gbk::kOtherBlanks) + std::size(gbk::kOtherLineBreaks);

// Every character the normalisation replaces or removes, but the full-width digits.
constexpr std::array<Replacement, kReplacementCount> kReplacements = [] {
  std::array<Replacement, kReplacementCount> all{};
  const auto last =
      std::copy(std::begin(kAsciiAndFullWidth), std::end(kAsciiAndFullWidth), all.begin());
  const auto blanks = std::transform(std::begin(gbk::kOtherBlanks), std::end(gbk::kOtherBlanks),
                                     last, [](std::string_view blank) {
                                       return Replacement{blank, "", true};
                                     });
  std::transform(std::begin(gbk::kOtherLineBreaks), std::end(gbk::kOtherLineBreaks), blanks,
                 [](std::string_view lineBreak) {
                   return Replacement{lineBreak, kLineBreak, true};
                 });
  return all;
}();

// For each first byte, the entries of kReplacements from the first to the last that begin with
// it, so that most characters are passed over on their first byte alone.
struct EntryRange {
  uint8_t begin = 0;
  uint8_t end = 0;
};
constexpr std::array<EntryRange, 256> kEntriesByFirstByte = [] {
  std::array<EntryRange, 256> ranges{};
  for (size_t i = 0; i < kReplacements.size(); ++i) {
    EntryRange& range = ranges[static_cast<unsigned char>(kReplacements[i].from[0])];
    if (range.end == 0) range.begin = static_cast<uint8_t>(i);
    range.end = static_cast<uint8_t>(i + 1);
  }
  return ranges;
}();

// True when the character that begins with byte `lead` may be one the normalisation replaces:
// most characters are passed over on this alone.
constexpr std::array<bool, 256> kMayBeReplaced = [] {
  std::array<bool, 256> may{};
  for (size_t lead = 0; lead < may.size(); ++lead) may[lead] = kEntriesByFirstByte[lead].end > 0;
  may[static_cast<unsigned char>(gbk::kFullWidthDigitZero[0])] = true;
  return may;
}();

// The replacement of the character at the character boundary `pos`, if the normalisation
// replaces it. A four-byte character begins where the engine's two-byte walk has a character
// begin, and its third byte is again such a place, so it is matched as one.
std::optional<Replacement> ReplacementAt(std::string_view text, int pos) {
  static constexpr std::string_view kDigits = "0123456789";
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead == static_cast<unsigned char>(gbk::kFullWidthDigitZero[0]) && pos + 1 < Size(text)) {
    // The ten full-width digits follow one another from "０".
    const int digit = static_cast<unsigned char>(text[pos + 1]) -
                      static_cast<unsigned char>(gbk::kFullWidthDigitZero[1]);
    if (digit >= 0 && digit < 10) return Replacement{text.substr(pos, 2), kDigits.substr(digit, 1)};
  }
  const EntryRange range = kEntriesByFirstByte[lead];
  for (size_t i = range.begin; i < range.end; ++i) {
    if (HasAt(text, pos, kReplacements[i].from)) return kReplacements[i];
  }
  return std::nullopt;
}

// The bytes of whitespace of any kind at the start of `text`.
int LeadingBlanks(std::string_view text) {
  int pos = 0;
  while (pos < Size(text)) {
    if (IsAsciiSpace(text[pos])) {
      ++pos;
      continue;
    }
    const std::optional<Replacement> replacement = ReplacementAt(text, pos);
    if (!replacement || !replacement->blank) break;
    pos += Size(replacement->from);
  }
  return pos;
}

// The most bytes the normalisation can make of `text`: only "," ":" and the ASCII line breaks
// grow, by a byte each, and none of their bytes is ever part of a longer character.
size_t NormalizedRoom(std::string_view text) {
  size_t room = text.size();
  // Claims seldom hold them, so a search for each passes over the text quickly.
  const char* const last = text.data() + text.size();
  for (const char grows : {',', ':', '\v', '\f'}) {
    for (const char* at = text.data();
         (at = static_cast<const char*>(std::memchr(at, grows, static_cast<size_t>(last - at))));
         ++at) {
      ++room;
    }
  }
  return room;
}

// Resets the analysis and analyses the normalised text; the findings' places in the box's text
// are left to the caller.
CheckOutcome AnalyzeNormalized(std::string normalized, const AnalysisOptions& options,
                               CheckPlaces places) {
  ResetAnalysis();
  CheckOutcome outcome;
  outcome.result = AnalyzeToResult(std::move(normalized), options);
  if (!options.keepRecords) g_claims.Empty();
  outcome.checked = !outcome.result.claims.empty();
  outcome.shownText =
      outcome.checked ? WriteReport(outcome.result, g_analysedText, (places & kPlacesInReport) != 0)
                      : g_analysedText;
  outcome.congratulate = outcome.result.outcome == Outcome::kClean;
  return outcome;
}

}  // namespace

std::string NormalizeClaimsText(std::string_view boxText, SourceMap* map) {
  // Every replacement swaps one whole character for another or for nothing, so the characters
  // of the text stay where they were for the replacements after it, and none makes a character
  // that a later one would replace: one walk gives what the replacements in turn would give.
  const int begin = LeadingBlanks(boxText);
  if (map && begin > 0) map->Record(0, 0, 0, begin);
  std::string normalized;
  normalized.reserve(NormalizedRoom(boxText));
  int copied = begin;
  // The end is trimmed once the text is normalised, when only ASCII whitespace is left of its
  // blanks and line breaks, but never back past a removed "【" or "】": the trim, which comes
  // first, stops at them.
  size_t kept = 0;
  for (int pos = begin; pos < Size(boxText);) {
    if (!kMayBeReplaced[static_cast<unsigned char>(boxText[pos])]) {
      pos += CharLength(boxText[pos]);
      continue;
    }
    const std::optional<Replacement> replacement = ReplacementAt(boxText, pos);
    if (!replacement) {
      pos += CharLength(boxText[pos]);
      continue;
    }
    normalized.append(boxText.substr(copied, pos - copied));
    if (map) map->Record(Size(normalized), pos, Size(replacement->to), Size(replacement->from));
    normalized.append(replacement->to);
    pos += Size(replacement->from);
    copied = pos;
    if (!replacement->blank) kept = normalized.size();
  }
  normalized.append(boxText.substr(std::min(copied, Size(boxText))));
  size_t end = normalized.size();
  while (end > kept && IsAsciiSpace(normalized[end - 1])) --end;
  normalized.resize(end);
  return normalized;
}

CheckOutcome RunCheck(std::string_view boxText, const AnalysisOptions& options,
                      CheckPlaces places) {
  const bool inUserText = (places & kPlacesInUserText) != 0;
  SourceMap map;
  CheckOutcome outcome =
      AnalyzeNormalized(NormalizeClaimsText(boxText, inUserText ? &map : nullptr), options, places);
  if (inUserText) LocateFindings(outcome.result, g_analysedText, boxText, map);
  return outcome;
}

CheckOutcome RunCheck(std::string&& boxText, const AnalysisOptions& options,
                      CheckPlaces places) {
  if ((places & kPlacesInUserText) != 0) return RunCheck(std::string_view(boxText), options, places);
  std::string normalized = NormalizeClaimsText(boxText);
  std::string().swap(boxText);
  return AnalyzeNormalized(std::move(normalized), options, places);
}
