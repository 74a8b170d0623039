#include "checks/FindingSeverity.h"

#include <algorithm>
#include <string>

#include "checks/SubjectConsistency.h"
#include "checks/further/ReferenceWording.h"
#include "claims/ClaimNumbering.h"
#include "claims/ReviewedReferences.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

// A code without its case in SeverityRuleOf must not build.
#pragma GCC diagnostic error "-Wswitch"

namespace {

// True when the subject gives no ground for a mismatch with any claim it depends on as the
// review reads it, except that a method limiting a step no claim it depends on has ("所述步骤
// (3)" hung on a product claim) points to a wrong reference rather than another category.
bool MismatchIsBenign(const RatedClaim& claim, const Finding&) {
  const std::string_view subject = ReviewSubject(claim.record);
  for (int parent : ReviewParents(claim.pos)) {
    const SubjectFit fit = FitOfSubject(subject, ReviewSubject(g_claims[parent]));
    if (fit == SubjectFit::kMismatch) return false;
    if (fit == SubjectFit::kOtherCategory && claim.namesUndefinedStep) return false;
  }
  return true;
}

// Multiple dependency on a multiple dependent claim is a defect of a dependent claim; a claim of
// another category than the claims it cites ("…所述的方法制备的纤维", "…所述的装置的制作方法") is
// an independent claim in the form of a reference, though some examiners object. Where no subject
// was read (a claim that is all subject, "…所述的制备方法获得的碳材料。"), its opening is taken for
// it.
Severity MultiMultiGravity(const RatedClaim& claim, const Finding&) {
  std::string_view subject = ReviewSubject(claim.record);
  if (subject.empty()) subject = claim.record.text.substr(0, OpeningEnd(claim.record.text));
  return OfAnotherCategory(subject, ReviewParents(claim.pos)) ? Severity::kReview : Severity::kFix;
}

// True when the report's multiple dependency on a multiple dependent claim comes only through
// the claim's reference to itself or to a claim after it ("如权利要求6到8中任意一项所述" in claim
// 8): the wrong reference is the defect, and has its own finding. An earlier parent is multiple
// dependent also where only the review reads its reference ("根据权利要求2或权利要求3").
bool MultiOnlyThroughWrongReference(const RatedClaim& claim, const Finding&) {
  if (!claim.record.multiMulti) return false;
  const std::vector<int>& parents = claim.record.parentIndices;
  return std::none_of(parents.begin(), parents.end(), [&](int parent) {
    const ClaimRecord& earlier = g_claims[parent];
    return parent < claim.pos && (earlier.multiRef || earlier.dependsOnMultiRef ||
                                  ReviewParents(parent).size() >= 2);
  });
}

// True when a claim the reading took for part of the record at `pos` is numbered `number`.
bool StandsUnreadIn(int pos, int32_t number) {
  if (pos < 0) return false;
  const ClaimRecord& host = g_claims[pos];
  const std::vector<int32_t> unread = UnreadClaimNumbers(host.text, host.number);
  return std::find(unread.begin(), unread.end(), number) != unread.end();
}

// True when the gap in the numbers is the claim before standing unread in the record before.
bool GapIsUnreadClaim(const RatedClaim& claim, const Finding&) {
  return StandsUnreadIn(claim.pos - 1, claim.record.number - 1);
}

// True when every claim the reference names that was not found stands unread in the record
// that the numbers place it in: of the records before the claim, numbered in order, the last one
// numbered below it (sought by halves: a reference may name thousands of claims).
bool MissingParentsAreUnread(const RatedClaim& claim, const Finding&) {
  const ClaimRecord& record = claim.record;
  return std::all_of(record.parentNumbers.begin(), record.parentNumbers.end(), [&](int32_t number) {
    const bool found = std::any_of(record.parentIndices.begin(), record.parentIndices.end(),
                                   [&](int parent) { return g_claims[parent].number == number; });
    if (found) return true;
    const auto before = g_claims.begin() + claim.pos;
    const auto above = std::partition_point(
        g_claims.begin(), before, [&](const ClaimRecord& r) { return r.number < number; });
    return StandsUnreadIn(static_cast<int>(above - g_claims.begin()) - 1, number);
  });
}

// True when the full stops are the claim's own and those of the claims standing unread in it.
bool FullStopsOfUnreadClaims(const RatedClaim& claim, const Finding&) {
  return !UnreadClaimNumbers(claim.record.text, claim.record.number).empty();
}

// True when a dependent claim's reference is a correct form the parents are not read from
// ("如权利要求1～3之一所述", "根据权利要求1或权利要求2所述", "根据权利要求5的"): numbers, then
// "所述", "的", "中", "任" or "之一".
bool ReferenceIsCorrectForm(const RatedClaim& claim, const Finding&) {
  const ClaimOpening& opening = claim.record.opening;
  if (opening.form != ReferenceForm::kPhrase || opening.list.end == opening.list.start) {
    return false;
  }
  switch (opening.listEnd) {
    case ListEnd::kSaid:
    case ListEnd::kOf:
    case ListEnd::kIn:
    case ListEnd::kAny:
    case ListEnd::kOneOf:
      return true;
    case ListEnd::kOther:
    case ListEnd::kComma:
    case ListEnd::kFullStop:
      return false;
  }
  return false;
}

// True when the reference the report cannot read is a correct form (ReferenceIsCorrectForm) or
// one the review finds mistyped or unnumbered in the claim's opening ("根据权利要求1述的",
// "根据权利要求所述的"): that slip is the one finding, the report's mark its consequence.
bool ReferenceIsReadOtherwise(const RatedClaim& claim, const Finding& finding) {
  if (ReferenceIsCorrectForm(claim, finding)) return true;
  const std::vector<Finding>& findings = claim.record.findings;
  const int opening = OpeningEnd(claim.record.text);
  return std::any_of(findings.begin(), findings.end(), [&](const Finding& slip) {
    return slip.textStart < opening && HoldsMistypedReference({slip});
  });
}

// True when a claim without a read subject still has one: it is not a dependent claim that names
// nothing at all after its reference ("根据权利要求1，…").
bool SubjectIsThere(const RatedClaim& claim, const Finding&) {
  const ClaimOpening& opening = claim.record.opening;
  return claim.record.isIndependent || opening.form != ReferenceForm::kPhrase ||
         (opening.listEnd != ListEnd::kComma && opening.listEnd != ListEnd::kFullStop);
}

// True when an independent claim cites another claim: often a dependent one the report did not
// read as such, or one whose "所述" belongs to the reference.
bool CitesAClaim(const RatedClaim& claim, const Finding&) { return claim.citesAClaim; }

// True when an antecedent finding comes from a reading of the claim rather than from its words:
// an independent claim that cites another claim, a dependent claim whose parents were not read or
// name no claim that stands in the text (the basis may lie in the claim that cannot be found, and
// the missing parent is the finding), a step named by its label ("所述步骤(1)"), or the claim's
// own subject with its reference sign.
bool AntecedentIsReading(const RatedClaim& claim, const Finding& finding) {
  const ClaimRecord& record = claim.record;
  if (claim.citesAClaim || claim.holdsMistypedReference) return true;
  if (!record.isIndependent && record.parentIndices.empty()) return true;
  if (HasAt(finding.term, 0, gbk::kStep)) return true;
  return !record.subject.empty() && HasAt(finding.term, 0, record.subject);
}

// A claim without "。" is a defect, unless it ends where a formula or a table was to follow
// ("…具有如下结构式：", "…如式(I)"): the published claim goes on with what plain text cannot
// hold, and only a look at the document tells.
Severity NoFullStopGravity(const RatedClaim& claim, const Finding&) {
  std::string_view text = claim.record.text;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  if (text.ends_with(gbk::kColon) || text.ends_with(':')) return Severity::kReview;
  const size_t open = text.rfind('(');
  if (!text.ends_with(')') || open == std::string_view::npos) return Severity::kFix;
  // A formula's label is a Roman numeral ("(I)", "(IV)") or stands after "式" ("通式(1-3)"); a
  // number in brackets after anything else is a part's reference sign ("吸盘(6)").
  const std::string_view label = text.substr(open + 1, text.size() - open - 2);
  constexpr size_t kLongestLabel = 6;
  if (label.empty() || label.size() > kLongestLabel) return Severity::kFix;
  const bool roman = label.find_first_not_of("IVX") == std::string_view::npos;
  const bool afterFormula = text.substr(0, open).ends_with(gbk::kFormula) &&
                            std::all_of(label.begin(), label.end(), [](char c) {
                              return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '-';
                            });
  return roman || afterFormula ? Severity::kReview : Severity::kFix;
}

// A missing "其特征在于" is a matter of wording on a dependent claim and where the phrase stands in
// other words ("其特征是", "其特征为", "该组合物的特征在于"). On an independent claim it is worth a
// look: the one-part form ("一种装置，包括：…") is accepted where the two-part form does not suit.
Severity CharacterisingGravity(const RatedClaim& claim, const Finding&) {
  const ClaimRecord& record = claim.record;
  constexpr std::string_view kFeatureLiesIn = gbk::kCharacterisedBy.substr(2);  // 特征在于
  if (!record.isIndependent || Contains(record.text, gbk::kCharacterisedIs) ||
      Contains(record.text, gbk::kCharacterisedAs) || Contains(record.text, kFeatureLiesIn)) {
    return Severity::kNote;
  }
  return Severity::kReview;
}

// A mistyped reference is a defect; that a correct one was not read by the report says
// something of the reading, nothing of the text.
Severity ReferenceWordingGravity(const RatedClaim&, const Finding& finding) {
  return finding.label == gbk::kLabelReferenceUnread ? Severity::kNote : Severity::kFix;
}

// A preference or an example ("优选", "例如", "特别是") draws an objection as a matter of course; an
// open bound ("约", "左右") is worth a look.
Severity IndefiniteGravity(const RatedClaim&, const Finding& finding) {
  for (const gbk::GuardedWord& word : gbk::kPreferenceWords) {
    if (finding.term == word.word) return Severity::kFix;
  }
  return Severity::kReview;
}

}  // namespace

SeverityRule SeverityRuleOf(FindingCode code) {
  using enum Severity;
  switch (code) {
    case FindingCode::kParentTooLarge:
    case FindingCode::kDoubledPunctuation:
      return {kFix};
    case FindingCode::kNumberingGap:
      return {kFix, nullptr, GapIsUnreadClaim};
    case FindingCode::kParentNotFound:
      return {kFix, nullptr, MissingParentsAreUnread};
    case FindingCode::kSeveralFullStops:
      return {kFix, nullptr, FullStopsOfUnreadClaims};
    case FindingCode::kMultiMulti:
      return {kFix, MultiMultiGravity, MultiOnlyThroughWrongReference};
    case FindingCode::kNoFullStop:
      return {kFix, NoFullStopGravity};
    case FindingCode::kReferenceFormat:
      return {kFix, nullptr, ReferenceIsReadOtherwise};
    case FindingCode::kNoSubject:
      return {kReview, nullptr, SubjectIsThere};
    case FindingCode::kSubjectMismatch:
      return {kReview, nullptr, MismatchIsBenign};
    case FindingCode::kAntecedent:
      return {kReview, nullptr, AntecedentIsReading};
    case FindingCode::kNoCharacterisingPhrase:
      return {kReview, CharacterisingGravity, CitesAClaim};
    case FindingCode::kFullStopNotAtEnd:
      return {kReview};
    case FindingCode::kParentOtherSet:
    case FindingCode::kSuspectedIndependent:
      return {kNote};
    case FindingCode::kReferenceWording:
      return {kFix, ReferenceWordingGravity};
    case FindingCode::kReferenceUnnumbered:
    case FindingCode::kReferenceNotAlternative:
    case FindingCode::kRepeatedWord:
    case FindingCode::kTwoCategories:
      return {kFix};
    case FindingCode::kIndefiniteWording:
      return {kReview, IndefiniteGravity};
    case FindingCode::kUnbalancedBrackets:
    case FindingCode::kStepNumbering:
      return {kReview};
    case FindingCode::kAntecedentBasis:
      // The review's own search sets it with its verdict; this is the gravity of a term
      // without basis.
      return {kReview};
  }
  // Not reached: every code has its case above, and the compiler warns of one without.
  return {kFix};
}

RatedClaim::RatedClaim(int pos)
    : pos(pos),
      record(g_claims[pos]),
      citesAClaim(record.isIndependent && Contains(record.text, gbk::kClaimWord)),
      holdsMistypedReference(HoldsMistypedReference(record.findings)),
      namesUndefinedStep(std::any_of(record.findings.begin(), record.findings.end(),
                                     [](const Finding& finding) {
                                       return finding.code == FindingCode::kStepNumbering &&
                                              finding.label == gbk::kLabelStepUndefined;
                                     })) {}

Severity SeverityOf(const RatedClaim& claim, const Finding& finding) {
  const SeverityRule rule = SeverityRuleOf(finding.code);
  if (rule.unsure != nullptr && rule.unsure(claim, finding)) return Severity::kNote;
  return rule.gravityOf != nullptr ? rule.gravityOf(claim, finding) : rule.gravity;
}
