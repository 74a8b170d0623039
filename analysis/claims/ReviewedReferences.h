// References to other claims as the review reads them: every correct form, also those the
// report's own reading leaves unread ("按照权利要求1～3之一所述的装置", "权利要求2的方法",
// "如权利要求1或权利要求2所述"), and references inside a claim's text.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "claims/ClaimRecord.h"

// The claim numbers that the references "权利要求N" of `text` name, in order and without
// repeats: single numbers and lists ("1、2或4"), and ranges ("1～5", "1至5", "1-5"), which
// stand for every number between. Ranges that would spell out more numbers than the text
// has bytes are read as their two ends only.
std::vector<int32_t> ReferencedClaims(std::string_view text);

// Where a claim's opening ends: its first comma, colon or "其特征在于".
int OpeningEnd(std::string_view text);

// True when the claim is dependent as the report reads it, or its opening is a reference
// ("根据权利要求1", "按照权利要求1", "权利要求2的", "根据前述权利要求"): "权利要求" within its
// first four characters, not after "一种".
bool RefersBack(const ClaimRecord& record);

// Appends to `positions` the positions in g_claims of the claims numbered `numbers` that stand
// in the list, but not `self`.
void AddClaimPositions(const std::vector<int32_t>& numbers, int self, std::vector<int>& positions);

// The claims, by position, that the claim at `pos` depends on as the review reads it: the
// report's parents where it read them (the claim itself left out); else, when the claim refers
// back, the claims its opening names. Empty for an independent claim, and for one that refers
// back to no claim that could be read ("根据前述权利要求中的任一项").
std::vector<int> ReviewParents(int pos);

// The subject of the claim as the review reads it: what its reference names where the report
// did not read its reference ("按照权利要求1所述的装置" names "装置"; "" when it names none),
// else the report's subject.
std::string_view ReviewSubject(const ClaimRecord& record);
