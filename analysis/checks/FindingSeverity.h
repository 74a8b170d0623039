// How much each finding of the report's own checks asks of the drafter.
#pragma once

#include "claims/ClaimRecord.h"
#include "result/Finding.h"

// The severity of `finding`, a finding of the checked `record` (every claim of g_claims complete),
// from what the claim is:
// - fix: a numbering gap, a parent too large or not found, multiple dependency on a multiple
//   dependent claim, no full stop or several, doubled punctuation, and a reference that cannot be
//   read as claim numbers;
// - review: a full stop not at the end; a dependent claim naming nothing after its reference; a
//   subject unlike its parent's; a "所述" without antecedent; a missing "其特征在于" on an
//   independent claim that cites no claim and does not say "其特征是" or "其特征为";
// - note: a correct form of reference the analysis does not read; a subject that is there but not
//   read; a subject of another category (a method or use of something under a product), or the
//   parent's named more or less fully, or a parent without subject; an antecedent of a claim that
//   was misread (independent but citing a claim, parents not read), of a step by its label or of
//   the claim's own subject; a missing "其特征在于" elsewhere; a parent in another claim set; a
//   suspected independent claim.
// Findings of the further checks keep the severity they came with.
Severity SeverityOf(const ClaimRecord& record, const Finding& finding);
