#include "checks/FindingSeverity.h"

#include <string>

#include "text/GbkText.h"
#include "text/GbkTexts.h"
#include "checks/further/ReferenceNotAlternative.h"
#include "claims/SubjectRecognition.h"

namespace {

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool NamesProcess(std::string_view subject) {
  for (std::string_view word : gbk::kProcessWords) {
    if (EndsWith(subject, word)) return true;
  }
  return false;
}

// A process that says what it is of ("橡胶组合物的制造方法"), not the bare "方法".
bool NamesProcessOfSomething(std::string_view subject) {
  for (std::string_view word : gbk::kProcessWords) {
    if (EndsWith(subject, word) && subject.size() > word.size()) return true;
  }
  return false;
}

// The subject without "的" and without a reference sign at its end ("装置(100)").
std::string BareSubject(std::string_view subject) {
  if (!subject.empty() && subject.back() == ')') {
    const size_t open = subject.rfind('(');
    if (open != std::string_view::npos) subject = subject.substr(0, open);
  }
  return ReplaceAll(subject, gbk::kOf, "");
}

// True when a parent's subject gives no ground for a mismatch: it was not read, the claim is of
// another category (a method or use of something under a product; a bare "方法" under a
// product is a wrong reference), or the two subjects name the same thing
// once "的" and reference signs are dropped, one the end part of the other.
bool IsBenignAgainst(std::string_view subject, std::string_view parentSubject) {
  if (parentSubject.empty()) return true;
  if (NamesProcessOfSomething(subject) && !NamesProcess(parentSubject)) return true;
  const std::string own = BareSubject(subject);
  const std::string other = BareSubject(parentSubject);
  return EndsWith(own, other) || EndsWith(other, own);
}

bool MismatchIsBenign(const ClaimRecord& record) {
  for (int parent : record.parentIndices) {
    if (!IsBenignAgainst(record.subject, g_claims[parent].subject)) return false;
  }
  return true;
}

// True when a dependent claim's reference is a correct form the parents are not read from
// ("如权利要求1～3之一所述", "根据权利要求1或权利要求2所述", "根据权利要求5的"): numbers, then
// "所述", "的", "中", "任" or "之".
bool ReferenceIsCorrectForm(std::string_view text) {
  const int first = FindFirstHanzi(text);
  const int phrase = ReferencePhraseLength(text, first);
  if (phrase == 0) return false;
  const int listStart = first + phrase;
  const int listEnd = ReadNumberList(text, listStart).end;
  if (listEnd == listStart) return false;
  for (std::string_view next : {gbk::kSaid, gbk::kOf, gbk::kTerminatorIn, gbk::kTerminatorAny,
                                gbk::kOneOf, gbk::kMarkOpen}) {
    if (HasAt(text, listEnd, next)) return true;
  }
  return false;
}

// True when a dependent claim names no subject at all after its reference ("根据权利要求1，…").
bool NamesNoSubjectAtAll(const ClaimRecord& record) {
  const std::string_view text = record.text;
  const int first = FindFirstHanzi(text);
  const int phrase = ReferencePhraseLength(text, first);
  if (record.isIndependent || phrase == 0) return false;
  const int listEnd = ReadNumberList(text, first + phrase).end;
  return HasAt(text, listEnd, gbk::kComma) || HasAt(text, listEnd, gbk::kFullStop);
}

// True when an antecedent finding comes from a reading of the claim rather than from its words:
// an independent claim that cites another claim (often a dependent one not read as such, or a
// "所述" that belongs to the reference), a dependent claim whose parents were not read, a step
// named by its label ("所述步骤(1)"), or the claim's own subject with its reference sign.
bool AntecedentIsReading(const ClaimRecord& record, const Finding& finding) {
  if (record.isIndependent && Contains(record.text, gbk::kClaimWord)) return true;
  if (!record.isIndependent && record.parentNumbers.empty()) return true;
  if (HasAt(finding.term, 0, gbk::kStep)) return true;
  return !record.subject.empty() && HasAt(finding.term, 0, record.subject);
}

Severity CharacterisingSeverity(const ClaimRecord& record) {
  if (!record.isIndependent || Contains(record.text, gbk::kClaimWord)) return Severity::kNote;
  if (Contains(record.text, gbk::kCharacterisedIs) ||
      Contains(record.text, gbk::kCharacterisedAs)) {
    return Severity::kNote;
  }
  // The one-part form ("一种装置，包括：…") is accepted where the two-part form does not suit.
  return Severity::kReview;
}

}  // namespace

Severity SeverityOf(const ClaimRecord& record, const Finding& finding) {
  switch (finding.code) {
    case FindingCode::kNumberingGap:
    case FindingCode::kParentTooLarge:
    case FindingCode::kParentNotFound:
    case FindingCode::kMultiMulti:
    case FindingCode::kNoFullStop:
    case FindingCode::kSeveralFullStops:
    case FindingCode::kDoubledPunctuation:
      return Severity::kFix;
    case FindingCode::kReferenceFormat:
      return ReferenceIsCorrectForm(record.text) ? Severity::kNote : Severity::kFix;
    case FindingCode::kNoSubject:
      return NamesNoSubjectAtAll(record) ? Severity::kReview : Severity::kNote;
    case FindingCode::kSubjectMismatch:
      return MismatchIsBenign(record) ? Severity::kNote : Severity::kReview;
    case FindingCode::kAntecedent:
      return AntecedentIsReading(record, finding) ? Severity::kNote : Severity::kReview;
    case FindingCode::kFullStopNotAtEnd:
      return Severity::kReview;
    case FindingCode::kParentOtherSet:
    case FindingCode::kSuspectedIndependent:
      return Severity::kNote;
    case FindingCode::kNoCharacterisingPhrase:
      return CharacterisingSeverity(record);
    default:
      return finding.severity;
  }
}
