// The analysis of one claims text: from the normalised text to the annotated report.
#pragma once

#include <string>

// Splits `text` (GBK, normalised, paragraphs separated by "\r\n") into g_paragraphs, gathers the
// claims from claim 1 on into g_claims, checks every claim and returns the report. The caller
// empties g_claims, g_paragraphs and g_markSpans first.
//
// Returns `text` unchanged when it holds no paragraph, and also when no paragraph opens claim 1;
// in that case the message "未找到权1 ?\n\n 请检查" goes to the message sink (preceded by the
// author credit for the one text "显示署名") and g_claims stays empty.
std::string AnalyzeClaims(const std::string& text);
