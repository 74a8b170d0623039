// The numbering of a method claim's steps: labels that skip or repeat, and steps referred to
// that no claim defines ("(7)" then "(10)"; "所述步骤(5)" where no step (5) was written).
#pragma once

#include <string_view>
#include <vector>

#include "claims/ClaimRecord.h"
#include "result/Finding.h"

// Appends a step-numbering finding (severity review) for:
// - each label that opens a step (StepLabels.h) out of its list's order: steps of one form are
//   numbered on by one ("(1)", "(2)"); a list may open at any number (a dependent claim adds
//   steps), a "1" opens a list within a step, and a step of an outer list may follow a list within
//   ("(2)", "(1)", "(2)", "(3)"), and a branch may go on from an earlier step with a number below
//   the last ("第二步", "第三步" … "第九步", then "第三步" of another branch). Lettered labels are numbered as codes: "S10" may go on to "S20"
//   (one up in its last place but zeros), and "S2" opens a list within it with "S21" (its digits
//   and more). Marked "【步骤编号不连续：(10)】", the label without "步骤";
// - each step referred to by its name ("所述步骤(5)", "步骤S3中", "步骤三") whose number no label
//   of the claim's own text, nor any label or mention of the claims it depends on, to any depth,
//   bears ("【步骤未定义：步骤(5)】"). Not sought when the claim cites a claim it does not depend
//   on or its parents were not read, nor past 64 claims it depends on: the steps may be there.
// `record` must be a claim of g_claims, whose parents are known.
void CheckStepNumbering(const ClaimRecord& record, std::string_view text,
                        std::vector<Finding>& findings);
