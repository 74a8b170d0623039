// Telling independent claims from dependent ones, and reading a claim's subject.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "claims/ClaimOpening.h"

// A stored subject shorter than this many bytes counts as not recognised.
inline constexpr int kMinSubjectBytes = 4;

// The subject of the claim `text` whose opening is `opening` ("装置" of
// "根据权利要求1所述的装置，…" or of "一种装置，…"), "" when it cannot be read. Sets
// `isIndependent` to 0 when the claim opens with the reference phrase "根据权利要求" or
// "如权利要求", else to 1.
std::string RecognizeSubject(std::string_view text, const ClaimOpening& opening,
                             uint8_t& isIndependent);
