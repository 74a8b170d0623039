// What the checks find, as data: one finding for each mark of the report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// A run of bytes of a text.
struct TextSpan {
  int32_t start = 0;
  int32_t length = 0;
};

// A place in the text the user gave: 1-based line (counting the input's own line breaks) and
// 1-based column in Unicode code points. 0 and 0 until the finding has been located.
struct TextPlace {
  int32_t line = 0;
  int32_t column = 0;
};

struct Finding {
  FindingCode code = FindingCode::kNumberingGap;
  Severity severity = Severity::kFix;
  std::string mark;  // GBK, with its brackets, as one mark of the report: "【缺句号】", "【所述】"
  // A finding inside the claim's text (the antecedent brackets, and further checks that point
  // at words): its byte span in the claim's text as read, without any brackets. -1 for a
  // finding about the claim as a whole.
  int32_t textStart = -1;
  int32_t textLength = 0;
  std::string term;  // antecedent: the term after "所述"; further checks: the word found
  std::string pair;  // doubled-punctuation: the pair, e.g. "；；"

  // Filled when the report is written: the inside of the bracket that shows the finding, in code
  // points from the start of the report. Findings about the claim as a whole share its merged
  // bracket.
  int32_t reportStart = 0;
  int32_t reportLength = 0;

  // Filled by the check command, which knows the user's text: where the finding is (a claim-level
  // finding at the first digit of the claim's number, one in the text at its first character),
  // and, for one in the text, its length there in code points.
  TextPlace place;
  int32_t length = 0;

  bool InText() const { return textStart >= 0; }
};
