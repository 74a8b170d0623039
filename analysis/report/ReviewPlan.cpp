#include "report/ReviewPlan.h"

#include "CheckCommand.h"
#include "report/FindingTexts.h"
#include "result/Fix.h"
#include "text/GbkTexts.h"
#include "text/TextWalker.h"

namespace {

bool Commented(const Finding& finding, bool further) {
  if (finding.severity == Severity::kNote) return false;
  return further || !IsFurtherCheck(finding.code);
}

// The characters of the claim's number where the user wrote it: one per digit, full-width
// digits included.
int32_t DigitsOf(int32_t number) {
  int32_t digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

ReviewComment CommentOf(const ClaimResult& claim, const Finding& finding) {
  ReviewComment comment;
  if (finding.InText()) {
    comment.place = finding.place;
    comment.length = finding.length;
    // An antecedent's span is its "所述"; the term it lacks a basis for follows.
    if (finding.code == FindingCode::kAntecedent) {
      comment.length += TextWalker(finding.term).CodePointsBefore(finding.term.size());
    }
  } else {
    comment.place = claim.place;
    comment.length = DigitsOf(claim.number);
  }
  comment.text.append(SeverityWord(finding.severity)).append(gbk::kColon);
  comment.text.append(FindingExplanation(finding));
  return comment;
}

}  // namespace

ReviewPlan PlanReview(const AnalysisResult& result, bool further) {
  ReviewPlan plan;
  for (const ClaimResult& claim : result.claims) {
    for (const Finding& finding : claim.findings) {
      if (Commented(finding, further)) plan.comments.push_back(CommentOf(claim, finding));
    }
  }
  for (const FixEdit* edit : SelectEdits(FixesOf(result))) {
    plan.changes.push_back({edit->place, edit->length, edit->text});
  }
  return plan;
}

ReviewPlan PlanReviewOfText(std::string_view boxText, bool further) {
  const CheckOutcome outcome = RunCheck(boxText, {.review = true}, kPlacesInUserText);
  return PlanReview(outcome.result, further);
}
