// How much each finding of the report's own checks asks of the drafter.
#pragma once

#include "ClaimRecord.h"
#include "Finding.h"

// The severity of `finding`, a finding of the checked `record`. A missing "其特征在于" is a
// defect only on an independent claim that cites no other claim and does not use the wording
// "其特征是" or "其特征为"; elsewhere it is a note, as is a suspected independent claim. Findings
// of the further checks keep the severity they came with.
Severity SeverityOf(const ClaimRecord& record, const Finding& finding);
