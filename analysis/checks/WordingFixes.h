// The certain corrections of a claim's punctuation: what the wording checks' findings carry.
// `text` is the claim's text as the wording checks see it, with the antecedent brackets, which
// are no part of the text as read and so of no edit.
#pragma once

#include <string_view>

#include "result/Finding.h"

// A no-full-stop finding: "。" in place of a final "；", "，" or "、" (or ";", "," or "."). A claim
// that ends in anything else gets no fix: on real claims "。" added at the end was as often
// behind a text cut short or a formula lost as right. One that ends in "：" or an opening
// bracket lost something only the drafter knows, and says so (fixRefused).
void FixNoFullStop(Finding& finding, std::string_view text);

// A doubled-punctuation finding (its `pair` set): a mark written twice or more in a row, once,
// wherever it stands; "；。" once "。" when it ends the claim and stands nowhere else. Other
// mixed pairs get no fix: which of the two marks is meant is the drafter's call.
void FixDoubledPunctuation(Finding& finding, std::string_view text);
