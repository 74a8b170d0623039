#include "FindingSeverity.h"

#include "GbkText.h"
#include "GbkTexts.h"

namespace {

Severity CharacterisingSeverity(const ClaimRecord& record) {
  if (!record.isIndependent || Contains(record.text, gbk::kClaimWord)) return Severity::kNote;
  if (Contains(record.text, gbk::kCharacterisedIs) || Contains(record.text, gbk::kCharacterisedAs)) {
    return Severity::kNote;
  }
  return Severity::kFix;
}

}  // namespace

Severity SeverityOf(const ClaimRecord& record, const Finding& finding) {
  switch (finding.code) {
    case FindingCode::kNumberingGap:
    case FindingCode::kReferenceFormat:
    case FindingCode::kParentTooLarge:
    case FindingCode::kParentNotFound:
    case FindingCode::kMultiMulti:
    case FindingCode::kNoFullStop:
    case FindingCode::kSeveralFullStops:
    case FindingCode::kDoubledPunctuation:
      return Severity::kFix;
    case FindingCode::kParentOtherSet:
    case FindingCode::kSubjectMismatch:
    case FindingCode::kNoSubject:
    case FindingCode::kAntecedent:
    case FindingCode::kFullStopNotAtEnd:
      return Severity::kReview;
    case FindingCode::kSuspectedIndependent:
      return Severity::kNote;
    case FindingCode::kNoCharacterisingPhrase:
      return CharacterisingSeverity(record);
    default:
      return finding.severity;
  }
}
