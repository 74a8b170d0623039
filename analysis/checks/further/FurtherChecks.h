// The further checks: the slips drafters really make that the report's own checks do not look
// for, run on one claim at a time when a review is asked for.
#pragma once

#include <string_view>
#include <vector>

#include "claims/ClaimRecord.h"
#include "result/Finding.h"

// Appends to `findings` what each further check finds in `text`, the text of `record` as read
// (without antecedent brackets), in this order: the wording of references, references without
// claim numbers, references not in the alternative, indefinite wording, repeated words, two
// categories in the subject, unbalanced brackets, the numbering of steps. The record's number, kind, subject and
// parents must be known, and so must those of every claim in g_claims.
void RunFurtherChecks(const ClaimRecord& record, std::string_view text,
                      std::vector<Finding>& findings);
