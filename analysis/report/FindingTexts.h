// What every front end says of a check's findings, in Chinese: the explanation of each finding,
// the severities' words, the status line and the name a saved report is offered under. GBK, like
// every text of the engine; the window, the page and the command line show them as they are.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "result/AnalysisResult.h"
#include "result/Finding.h"

// One line on what is wrong, naming the finding's word where its code has one: the term after
// "所述", the word a further check found, the doubled punctuation ("“手柄”缺乏引用基础",
// "标点“；；”重复或冲突"). A finding that came without its word gets the line without the
// quotation ("缺乏引用基础").
std::string FindingExplanation(const Finding& finding);

// "需修改", "请复核" or "提示".
std::string_view SeverityWord(Severity severity);

// The sign shown before a severity's word where no icon can stand: "●", "▲" or "○".
std::string_view SeveritySign(Severity severity);

// The findings of `result` per severity, indexed by Severity.
std::array<int, 3> SeverityCounts(const AnalysisResult& result);

// The findings per severity with their signs, e.g. "● 需修改 2 · ▲ 请复核 1 · ○ 提示 0"; "" when
// no claim was checked.
std::string SeveritySummary(const AnalysisResult& result);

// The summary's figures and the findings per severity, e.g.
// "1套 · 3条权利要求 · 2条有问题 · 问题3处    需修改 2 · 请复核 1 · 提示 0"; without the sets and
// the claims with problems when the report has no summary ("3条权利要求    需修改 …"); "" when
// no claim was checked.
std::string StatusLine(const AnalysisResult& result);

// The commands of the window and the page that apply fixes: "修正" the chosen finding's,
// "全部修正" every one of the check.
inline constexpr std::string_view kFixCommand = "\xD0\xDE\xD5\xFD";
inline constexpr std::string_view kFixAllCommand = "\xC8\xAB\xB2\xBF\xD0\xDE\xD5\xFD";

// What the problems list shows of a finding's fix: a sign and the fix's title
// ("→改为“根据权利要求”"); "" for a finding without one.
std::string FixLabel(const Finding& finding);

// The status line once `edits` edits were applied and the text checked again: "已修正 5 处", then
// the check's StatusLine.
std::string FixedStatusLine(int edits, const AnalysisResult& result);

// The name a saved report is offered under, without its ending: 权利要求书检查报告.
inline constexpr std::string_view kReportName =
    "\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xCA\xE9\xBC\xEC\xB2\xE9\xB1\xA8\xB8\xE6";
