// Where the claims and findings of an analysis stand in the text the user gave.
#pragma once

#include <string_view>

#include "result/AnalysisResult.h"
#include "text/SourceMap.h"

// Sets the place of every claim (the first digit of its number) and of every finding of
// `result`, the analysis of the text that NormalizeClaimsText made of `userText` with `map`: a
// claim-level finding stands at its claim, one in the text at its first character, with its
// length in code points, and every edit of their fixes (FixEdit), each fix once. Lines and columns
// count in `userText` as it is, GB18030.
void LocateFindings(AnalysisResult& result, std::string_view userText, const SourceMap& map);
