// What a reviewed copy of the user's text holds, as data: a comment at each finding worth the
// drafter's attention and each certain correction as a tracked change, placed in the user's text
// as the findings are. The command line's and the page's Word writers make the same copy from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "result/AnalysisResult.h"
#include "text/TextSpan.h"

// A comment on `length` characters from `place`: the words a finding is about.
struct ReviewComment {
  TextPlace place;
  int32_t length = 0;
  std::string text;  // GBK: the severity's word and the finding's explanation, "需修改：…"
};

// A tracked change: `length` characters from `place` replaced by `text` (GBK; "" deletes them, a
// `length` of 0 inserts it before the character at `place`).
struct ReviewChange {
  TextPlace place;
  int32_t length = 0;
  std::string text;
};

struct ReviewPlan {
  std::vector<ReviewComment> comments;  // in report order, claim by claim
  std::vector<ReviewChange> changes;    // in the order of the text, none overlapping another
};

// The plan of `result`, a check run with the further checks and placed in the user's text
// (kPlacesInUserText). Comments: every finding of severity fix or review of the report's own
// checks, and with `further` those of the further checks too; never a note, which is style or
// information a drafter does not want in the margin of every claim. A finding in the text is
// anchored on its words (the "所述" and its term, the mistyped words), one about the claim as a
// whole on the claim's number. Changes: the edits of every fix that goes with the others
// (SelectEdits), whatever its finding's severity, since a tracked change is only offered and
// speaks for itself; a fix that had to wait for another is left to the next review.
ReviewPlan PlanReview(const AnalysisResult& result, bool further);

// The plan of `boxText` (the user's text, GB18030) checked with the further checks: what the
// writers of the reviewed copy are given.
ReviewPlan PlanReviewOfText(std::string_view boxText, bool further);
