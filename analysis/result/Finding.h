// What the checks find, as data: one finding for each mark of the report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/TextSpan.h"

// What a finding is about. The first fifteen are the report's own marks, in the order the checks
// run; the others come from the further checks, run only when asked for.
enum class FindingCode : uint8_t {
  kNumberingGap,
  kSuspectedIndependent,
  kReferenceFormat,
  kParentTooLarge,
  kParentNotFound,
  kParentOtherSet,
  kMultiMulti,
  kNoSubject,
  kSubjectMismatch,
  kAntecedent,
  kNoCharacterisingPhrase,
  kNoFullStop,
  kFullStopNotAtEnd,
  kSeveralFullStops,
  kDoubledPunctuation,
  kReferenceWording,
  kReferenceUnnumbered,
  kReferenceNotAlternative,
  kIndefiniteWording,
  kRepeatedWord,
  kTwoCategories,
  kUnbalancedBrackets,
  kReferenceNumeral,
  kStepNumbering,
};

// The stable name of a code in every output: "numbering-gap", "antecedent", …
std::string_view FindingCodeName(FindingCode code);

// How much a finding asks of the drafter, most first.
enum class Severity : uint8_t {
  kFix,     // a defect an examiner would object to
  kReview,  // worth a look: often a defect, sometimes not
  kNote,    // a matter of style, or information
};

// "fix", "review" or "note".
std::string_view SeverityName(Severity severity);

struct Finding {
  FindingCode code = FindingCode::kNumberingGap;
  Severity severity = Severity::kFix;
  // What names the finding in its mark, a GBK text that outlives every result: for a finding
  // about the claim as a whole, its whole mark with the brackets ("【缺句号】"); for a further
  // check's finding in the text, the words the word found follows; empty for an antecedent.
  std::string_view label;
  // A finding inside the claim's text (the antecedent brackets, and further checks that point
  // at words): its byte span in the claim's text as read, without any brackets. -1 for a
  // finding about the claim as a whole.
  int32_t textStart = -1;
  int32_t textLength = 0;
  std::string term;       // antecedent: the term after "所述"; further checks: the word found
  std::string_view pair;  // doubled-punctuation: the pair, e.g. "；；", as lasting as `label`

  // Filled when the report is written: the inside of the bracket that shows the finding, from
  // the start of the report, in code points or, when the caller asked for none, in bytes.
  // Findings about the claim as a whole share its merged bracket.
  int32_t reportStart = 0;
  int32_t reportLength = 0;

  // Filled by the check command when asked, as it knows the user's text: where the finding is (a
  // claim-level finding at the first digit of the claim's number, one in the text at its first
  // character), and, for one in the text, its length there in code points.
  TextPlace place;
  int32_t length = 0;

  bool InText() const { return textStart >= 0; }
};

// Appends the inside of the finding's mark, as the report shows it between "【" and "】": "缺句号",
// "所述" or "所述" and its term as bracketed in the text, a further check's words and word.
void AppendMarkInside(std::string& text, const Finding& finding);

// That inside on its own.
std::string InsideOfMark(const Finding& finding);

// The finding's mark with its brackets, GBK: "【缺句号】", "【所述】".
std::string MarkOf(const Finding& finding);
