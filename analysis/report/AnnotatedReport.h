// The annotated report: the summary, every claim under its set header with its tags, its merged
// bracket of marks and its text with the antecedent brackets, and the closing line. It is the one
// writer of all of them: the analysis finds, the report shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "result/AnalysisResult.h"

// Appends "[独权N]" or "[从权N]", then "[SUBJECT]" ("[]" for none).
void AppendKindAndSubjectTags(std::string& head, bool independent, int32_t number,
                              std::string_view subject);

// Appends "[父1;2;]", or "[父?]" when `numbers` is empty.
void AppendParentTag(std::string& head, const std::vector<int32_t>& numbers);

// The report of `result`, the analysis of `analysedText`, in GBK with "\r\n" line breaks; `result`
// must hold at least one claim. Sets every claim's and every finding's reportStart, every
// finding's reportLength and the result's markInsides: in code points when `inCodePoints`, else
// in bytes of the report, which saves a walk over it. While g_claims holds the records of that
// analysis, sets each record's head, marks and bracketedText, in bytes of the report; the report
// itself is made of the result and the text alone, so it is the same when the records were
// released first.
std::string WriteReport(AnalysisResult& result, std::string_view analysedText,
                        bool inCodePoints = true);
