#include "checks/further/ReferenceWording.h"

#include <algorithm>

#include "claims/ClaimNumbering.h"
#include "checks/further/ReferenceCorrection.h"
#include "checks/further/WordFinding.h"
#include "claims/ClaimOpening.h"
#include "claims/SubjectRecognition.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// Where the "述" right behind the number list at `listStart` ends, the "所" of "所述" left out
// ("权利要求1述", "利要求2至7述"), or 0.
int SaidTailAfterList(std::string_view text, int listStart) {
  const int end = ReadNumberList(text, listStart).end;
  return end > listStart && WordAt(text, end, gbk::kSaidTail) ? end + Size(gbk::kSaidTail) : 0;
}

// The length of a mistyped form that opens with "权" at `pos`, or 0.
int TypoOfClaimWord(std::string_view text, int pos) {
  for (std::string_view typo : {gbk::kClaimWordPower, gbk::kClaimWordTwice, gbk::kClaimWordQu}) {
    if (WordAt(text, pos, typo)) return Size(typo);
  }
  if (WordAt(text, pos, gbk::kClaimWord)) {
    const int listStart = pos + Size(gbk::kClaimWord);
    if (WordAt(text, listStart, gbk::kClaimWord)) return 2 * Size(gbk::kClaimWord);
    const int end = SaidTailAfterList(text, listStart);
    return end > 0 ? end - pos : 0;
  }
  // "权利2要求": the number written inside the word.
  if (WordAt(text, pos, gbk::kRightWord)) {
    const int end = DigitRunEnd(text, pos + Size(gbk::kRightWord));
    if (end > pos + Size(gbk::kRightWord) && WordAt(text, end, gbk::kRequireWord)) {
      return end + Size(gbk::kRequireWord) - pos;
    }
  }
  return 0;
}

// The length of `cut` at `pos` and the digits behind it, or 0 without digits: the page header
// "权利要求书" cut short is no reference.
int CutBeforeDigits(std::string_view text, int pos, std::string_view cut) {
  if (!WordAt(text, pos, cut)) return 0;
  const int listStart = pos + Size(cut);
  const int digitsEnd = DigitRunEnd(text, listStart);
  if (digitsEnd == listStart) return 0;
  // The "所" of "所述" lost too: one slip with the word's, corrected with it.
  const int end = SaidTailAfterList(text, listStart);
  return (end > 0 ? end : digitsEnd) - pos;
}

// The length of `phrase` written twice at `pos`, or 0.
int TwiceLength(std::string_view text, int pos, std::string_view phrase) {
  return WordAt(text, pos, phrase) && WordAt(text, pos + Size(phrase), phrase) ? 2 * Size(phrase)
                                                                               : 0;
}

// The length of a mistyped reference form at `pos`, or 0; `previous` is where the character
// before it starts, or -1. Dispatched on the character at `pos`, one of "权利据根如".
int TypoLength(std::string_view text, int pos, int previous) {
  if (WordAt(text, pos, gbk::kRightHead)) {
    if (const int length = TypoOfClaimWord(text, pos)) return length;
    return CutBeforeDigits(text, pos, gbk::kClaimWordShort);
  }
  if (WordAt(text, pos, gbk::kClaimWordHeadless)) {
    if (previous >= 0 && WordAt(text, previous, gbk::kRightHead)) return 0;
    return CutBeforeDigits(text, pos, gbk::kClaimWordHeadless);
  }
  if (WordAt(text, pos, gbk::kRefPhraseHeadless)) {
    static const CharSet kLegitBefore(gbk::kRefPhraseHeadlessBefore);
    return kLegitBefore.HasAt(text, previous) ? 0 : Size(gbk::kRefPhraseHeadless);
  }
  if (const int length = TwiceLength(text, pos, gbk::kRefPhraseAccording)) return length;
  if (const int length = TwiceLength(text, pos, gbk::kAccording)) return length;
  return TwiceLength(text, pos, gbk::kRefPhraseAs);
}

void FindTypos(std::string_view text, std::vector<Finding>& findings) {
  static const WordHeads kHeads(gbk::kTypoHeads);
  const size_t before = findings.size();
  FindWords(text, kHeads, FindingCode::kReferenceWording, findings,
            [&](int pos, int previous) {
              return WordFound{TypoLength(text, pos, previous), gbk::kLabelReferenceTypo};
            });
  // Each slip has one right form, which its finding carries.
  for (size_t i = before; i < findings.size(); ++i) {
    const Finding& finding = findings[i];
    FixWord(findings[i], CorrectedReference(finding.term,
                                            text.substr(finding.textStart + finding.textLength)),
            text);
  }
}

// True when the subject the reference names ("…所述的装置，") is the subject of the first claim
// it names, or its end part: the claim then reads as a dependent one. A claim of another category
// ("权利要求1所述的组合物的制备方法") is rightly independent.
bool ReadsAsDependent(std::string_view text, const ClaimOpening& opening) {
  const int parent = FindClaimIndex(opening.list.first);
  if (parent == -1 || opening.namedSubject.start == kNotFound) return false;
  // Compared without "的": "载体制备方法" is the subject of "载体的制备方法".
  const std::string subject = ReplaceAll(SpanText(text, opening.namedSubject), gbk::kOf, "");
  const std::string parentSubject = ReplaceAll(g_claims[parent].subject, gbk::kOf, "");
  return Size(subject) >= kMinSubjectBytes && parentSubject.size() >= subject.size() &&
         parentSubject.compare(parentSubject.size() - subject.size(), subject.size(), subject) == 0;
}

// A claim read as independent that opens with a correct reference the report does not read.
void CheckUnreadOpening(std::string_view text, const ClaimOpening& opening,
                        std::vector<Finding>& findings) {
  if (opening.form != ReferenceForm::kUnreadWord && opening.form != ReferenceForm::kClaimWord) {
    return;
  }
  if (!ReadsAsDependent(text, opening)) return;
  AddWordFinding(findings, FindingCode::kReferenceWording, gbk::kLabelReferenceUnread, text,
                 opening.first, opening.list.start - opening.first);
}

}  // namespace

void CheckReferenceWording(const ClaimRecord& record, std::string_view text,
                           std::vector<Finding>& findings) {
  FindTypos(text, findings);
  CheckUnreadOpening(text, record.opening, findings);
}

bool HoldsMistypedReference(const std::vector<Finding>& findings) {
  return std::any_of(findings.begin(), findings.end(), [](const Finding& finding) {
    return (finding.code == FindingCode::kReferenceWording &&
            finding.label != gbk::kLabelReferenceUnread) ||
           finding.code == FindingCode::kReferenceUnnumbered;
  });
}
