#include "result/Finding.h"

#include <array>

#include "text/GbkTexts.h"

std::string_view FindingCodeName(FindingCode code) {
  static constexpr std::array<std::string_view, 24> kNames = {
      "numbering-gap",       "suspected-independent",     "reference-format",
      "parent-too-large",    "parent-not-found",          "parent-other-set",
      "multi-multi",         "no-subject",                "subject-mismatch",
      "antecedent",          "no-characterising-phrase",  "no-full-stop",
      "full-stop-not-at-end", "several-full-stops",       "doubled-punctuation",
      "reference-wording",   "reference-unnumbered",      "reference-not-alternative",
      "indefinite-wording",  "repeated-word",             "two-categories",
      "unbalanced-brackets", "reference-numeral",   "step-numbering",
  };
  static_assert(kNames.size() == static_cast<size_t>(FindingCode::kStepNumbering) + 1);
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

void AppendMarkInside(std::string& text, const Finding& finding) {
  if (!finding.InText()) {
    const size_t bracket = gbk::kMarkOpen.size();
    text.append(finding.label.substr(bracket, finding.label.size() - 2 * bracket));
    return;
  }
  if (finding.code != FindingCode::kAntecedent) {
    text.append(finding.label).append(finding.term);
    return;
  }
  text.append(gbk::kSaid);
  // The bracket holds the term too when its span reaches past "所述".
  if (finding.textLength > static_cast<int32_t>(gbk::kSaid.size())) text.append(finding.term);
}

std::string InsideOfMark(const Finding& finding) {
  std::string inside;
  AppendMarkInside(inside, finding);
  return inside;
}

std::string MarkOf(const Finding& finding) {
  std::string mark(gbk::kMarkOpen);
  AppendMarkInside(mark, finding);
  return mark.append(gbk::kMarkClose);
}
