// How much each finding asks of the drafter.
#pragma once

#include "claims/ClaimRecord.h"
#include "result/Finding.h"

// The severity of a finding comes from two questions, asked in two steps:
//
// 1. Gravity: how grave the defect is when the claim says what the engine read from it.
//    - fix: a numbering gap, a parent too large or not found, multiple dependency on a multiple
//      dependent claim, no full stop (but where the claim ends in "：" or a formula's label
//      "(I)", where a formula or a table was to follow) or several, doubled punctuation, a
//      reference that cannot be read as claim numbers; of the further checks a mistyped
//      reference, a reference without numbers or not in the alternative, a repeated word and two
//      categories in the subject;
//    - review: a claim without "。" that ends in "：" or a formula's label, multiple dependency of
//      a claim of another category than the claims it cites (an independent claim in the form
//      of a reference, OfAnotherCategory), a subject not read, a
//      subject unlike its parent's, a "所述" without antecedent, a full stop not at the end, a
//      missing "其特征在于" on an independent claim that does not say "其特征是" or "其特征为"; of
//      the further checks an open bound ("约", "左右"), unbalanced brackets, step numbering and
//      antecedent basis;
//    - note: a correct reference the report did not read, a missing "其特征在于" elsewhere, a
//      parent in another claim set, a suspected independent claim.
// 2. Sureness: whether the finding may come from the engine's own reading of the claim rather
//    than from its words. Such a finding is a note, whatever its gravity: a reference that cannot
//    be read but is a correct form (numbers, then "所述", "的", "中", "任" or "之一"); a subject
//    not read that is there (the claim names something after its reference); a subject unlike
//    its parent's where the parent's was not read, the claim is of another category (a method or
//    use of something under a product, the product of a process), or one subject names the other
//    more or less fully; an antecedent of a claim that was misread (independent but citing a
//    claim, parents not read, a reference mistyped or without its number), of a step by its
//    label or of the claim's own subject; a missing "其特征在于" on an independent claim that
//    cites another claim; the report's multiple dependency where it comes only through a
//    reference to the claim itself or to a later one (that reference is the defect, found as
//    such).
//
// A checked claim as its findings' rules see it: the record, and what the rules ask of the claim
// as a whole, worked out once for all of its findings (a long claim may have thousands).
struct RatedClaim {
  explicit RatedClaim(int pos);  // the claim at `pos` of g_claims
  int pos;
  const ClaimRecord& record;
  bool citesAClaim;             // independent, yet "权利要求" stands in its text
  bool holdsMistypedReference;  // a finding of a mistyped or unnumbered reference
  bool namesUndefinedStep;      // a step-numbering finding of a step no claim it rests on has
};

// The rule of one finding code. Every code has one (SeverityRuleOf has no default, and this
// library does not build with a code left out).
struct SeverityRule {
  // Step 1: `gravity`, or, where it depends on the claim or the finding, what `gravityOf` says.
  Severity gravity = Severity::kFix;
  Severity (*gravityOf)(const RatedClaim&, const Finding&) = nullptr;
  // Step 2: true when the engine is unsure of its reading; nullptr when it always is sure.
  bool (*unsure)(const RatedClaim&, const Finding&) = nullptr;
};
SeverityRule SeverityRuleOf(FindingCode code);

// The severity of `finding`, a finding of the checked `claim` (every claim of g_claims
// complete): the note of step 2 when its rule is unsure, else the gravity of step 1.
Severity SeverityOf(const RatedClaim& claim, const Finding& finding);
