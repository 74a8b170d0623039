// Round brackets without their partner in one claim.
#pragma once

#include <string_view>
#include <vector>

#include "result/Finding.h"

// Appends an unbalanced-brackets finding (severity review, "【括号不成对：(】") at the first "("
// that no ")" closes, or else at the first ")" that closes no "(". "[" and "]" pair with either
// bracket ("[0,1)"), and a ")" that ends a list label (one to four ASCII letters and digits after
// a two-byte character, a ";" or a line break, or at the start: "a)将…", "S1)", "步骤121)")
// closes nothing.
void CheckUnbalancedBrackets(std::string_view text, std::vector<Finding>& findings);
