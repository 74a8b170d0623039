// The analysis of one claims text: from the normalised text to the analysis result and the
// annotated report.
#pragma once

#include <string>

#include "result/AnalysisResult.h"

// What an analysis does beyond the report's own checks.
struct AnalysisOptions {
  bool review = false;  // also run the further checks (FurtherChecks.h); their marks count too
  // False for a caller that reads only the result and the report: the records (g_claims) are
  // released once the result holds what the report needs, before the report is written.
  bool keepRecords = true;
  // False to check on one thread only. A long text's review shares its work between two, which
  // changes nothing of what it finds.
  bool sideBySide = true;
};

// Empties g_claims, g_paragraphs and g_analysedText, as every analysis needs them to be first.
void ResetAnalysis();

// Takes `text` (GBK, normalised, paragraphs separated by "\r\n") as g_analysedText, which the
// records and the report are made of until the next analysis, splits it into g_paragraphs, gathers the
// claims from claim 1 on into g_claims, checks every claim and returns what it found; the
// findings move from the records into the result. With `options.review` each claim's findings
// of the further checks follow those of the report's own checks and count as its problems; the
// review of a text of 64 KB or more runs beside the report's own checks, on a second thread
// (unless `options.sideBySide` is false), and finds the same. The caller calls ResetAnalysis
// first.
//
// The outcome is kEmpty, with no claims, when the text holds no paragraph, and kNoClaimOne when
// no paragraph opens claim 1; then the message "未找到权1 ?\n\n 请检查" goes to the message sink
// (preceded by the author credit for the one text "显示署名") and g_claims stays empty. The
// findings are not yet located in the user's text, and their report places are unset until the
// report is written (WriteReport).
AnalysisResult AnalyzeToResult(std::string text, const AnalysisOptions& options = {});

// AnalyzeToResult, then the report written from the result; `text` unchanged when no claim was
// found.
std::string AnalyzeClaims(const std::string& text);
