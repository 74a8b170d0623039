// Where the claims and findings of an analysis stand in the text the user gave.
#pragma once

#include <string_view>

#include "result/AnalysisResult.h"
#include "text/SourceMap.h"

// Sets the place of every claim (the first digit of its number) and of every finding of
// `result`, the analysis of `analysed`, the text that NormalizeClaimsText made of `userText` with
// `map`: a claim-level finding stands at its claim, one in the text at its first character, with
// its length in code points, and every edit of their fixes (FixEdit), each fix once. Lines and
// columns count in `userText` as it is, GB18030. An edit over characters the user wrote in
// another form than the analysed text's (a blank of any kind, a full-width digit or bracket)
// leaves out the characters its text begins and ends with as they stood, and so keeps the
// user's own; the digits it writes are full-width where every digit it replaces is.
void LocateFindings(AnalysisResult& result, std::string_view analysed, std::string_view userText,
                    const SourceMap& map);
