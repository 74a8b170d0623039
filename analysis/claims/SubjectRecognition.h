// Telling independent claims from dependent ones, and reading a claim's subject.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A stored subject shorter than this many bytes counts as not recognised.
inline constexpr int kMinSubjectBytes = 4;

// The position of the first Chinese character, walking one-byte characters by 1 and two-byte
// characters by 2; -1 when there is none (a lead byte in the last position is none).
int FindFirstHanzi(std::string_view text);

// The length of the reference phrase ("根据权利要求" or "如权利要求") at `pos`, or 0.
int ReferencePhraseLength(std::string_view text, int pos);

// The run that starts at the first Chinese character and carries on over Chinese characters,
// one-byte characters other than CR, "、" and "～"; it ends before a CR or any other two-byte
// character. "" when such a stop comes before the first Chinese character, or there is none.
std::string_view FirstHanziRun(std::string_view text);

// The subject of a claim ("装置" of "根据权利要求1所述的装置，…" or of "一种装置，…"), "" when it
// cannot be read. Sets `isIndependent` to 0 when the first Chinese character opens the reference
// phrase, else to 1.
std::string RecognizeSubject(std::string_view text, uint8_t& isIndependent);
