#include "Finding.h"

#include <array>

std::string_view FindingCodeName(FindingCode code) {
  static constexpr std::array<std::string_view, 23> kNames = {
      "numbering-gap",       "suspected-independent",     "reference-format",
      "parent-too-large",    "parent-not-found",          "parent-other-set",
      "multi-multi",         "no-subject",                "subject-mismatch",
      "antecedent",          "no-characterising-phrase",  "no-full-stop",
      "full-stop-not-at-end", "several-full-stops",       "doubled-punctuation",
      "reference-wording",   "reference-unnumbered",      "reference-not-alternative",
      "indefinite-wording",  "repeated-word",             "two-categories",
      "unbalanced-brackets", "reference-numeral",
  };
  static_assert(kNames.size() == static_cast<size_t>(FindingCode::kReferenceNumeral) + 1);
  return kNames[static_cast<size_t>(code)];
}

std::string_view SeverityName(Severity severity) {
  switch (severity) {
    case Severity::kFix:
      return "fix";
    case Severity::kReview:
      return "review";
    case Severity::kNote:
      return "note";
  }
  return {};
}
