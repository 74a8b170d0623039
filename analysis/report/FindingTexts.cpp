#include "report/FindingTexts.h"

#include <array>
#include <string>

namespace {

// A finding's explanation: `plain` on its own, or, for a code that names a word, `before`, the
// word and `after`.
struct Explanation {
  std::string_view plain;
  std::string_view before = {};
  std::string_view after = {};
};

// Per finding code, in the order of FindingCode.
constexpr std::array<Explanation, 24> kExplanations = {{
    // 编号与前一条权利要求不连续
    {"\xB1\xE0\xBA\xC5\xD3\xEB\xC7\xB0\xD2\xBB\xCC\xF5\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xB2\xBB\xC1"
     "\xAC\xD0\xF8"},
    // 以“一种”开头又引用权利要求，可能应为从属权利要求
    {"\xD2\xD4\xA1\xB0\xD2\xBB\xD6\xD6\xA1\xB1\xBF\xAA\xCD\xB7\xD3\xD6\xD2\xFD\xD3\xC3\xC8\xA8\xC0"
     "\xFB\xD2\xAA\xC7\xF3\xA3\xAC\xBF\xC9\xC4\xDC\xD3\xA6\xCE\xAA\xB4\xD3\xCA\xF4\xC8\xA8\xC0\xFB"
     "\xD2\xAA\xC7\xF3"},
    // 读不出所引用的权利要求编号
    {"\xB6\xC1\xB2\xBB\xB3\xF6\xCB\xF9\xD2\xFD\xD3\xC3\xB5\xC4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xB1"
     "\xE0\xBA\xC5"},
    // 所引用的权利要求编号不小于本权利要求的编号
    {"\xCB\xF9\xD2\xFD\xD3\xC3\xB5\xC4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xB1\xE0\xBA\xC5\xB2\xBB\xD0"
     "\xA1\xD3\xDA\xB1\xBE\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xB5\xC4\xB1\xE0\xBA\xC5"},
    // 所引用的权利要求编号不存在
    {"\xCB\xF9\xD2\xFD\xD3\xC3\xB5\xC4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xB1\xE0\xBA\xC5\xB2\xBB\xB4"
     "\xE6\xD4\xDA"},
    // 引用了前面另一套权利要求中的权利要求
    {"\xD2\xFD\xD3\xC3\xC1\xCB\xC7\xB0\xC3\xE6\xC1\xED\xD2\xBB\xCC\xD7\xC8\xA8\xC0\xFB\xD2\xAA\xC7"
     "\xF3\xD6\xD0\xB5\xC4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3"},
    // 多项从属权利要求引用了多项从属权利要求
    {"\xB6\xE0\xCF\xEE\xB4\xD3\xCA\xF4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xD2\xFD\xD3\xC3\xC1\xCB\xB6"
     "\xE0\xCF\xEE\xB4\xD3\xCA\xF4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3"},
    // 未能识别本权利要求的主题
    {"\xCE\xB4\xC4\xDC\xCA\xB6\xB1\xF0\xB1\xBE\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xB5\xC4\xD6\xF7\xCC"
     "\xE2"},
    // 主题与所引用的权利要求不一致
    {"\xD6\xF7\xCC\xE2\xD3\xEB\xCB\xF9\xD2\xFD\xD3\xC3\xB5\xC4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xB2"
     "\xBB\xD2\xBB\xD6\xC2"},
    // 缺乏引用基础; “TERM”缺乏引用基础
    {"\xC8\xB1\xB7\xA6\xD2\xFD\xD3\xC3\xBB\xF9\xB4\xA1", "\xA1\xB0",
     "\xA1\xB1\xC8\xB1\xB7\xA6\xD2\xFD\xD3\xC3\xBB\xF9\xB4\xA1"},
    // 缺少“其特征在于”
    {"\xC8\xB1\xC9\xD9\xA1\xB0\xC6\xE4\xCC\xD8\xD5\xF7\xD4\xDA\xD3\xDA\xA1\xB1"},
    // 缺少句号“。”
    {"\xC8\xB1\xC9\xD9\xBE\xE4\xBA\xC5\xA1\xB0\xA1\xA3\xA1\xB1"},
    // 句号不在权利要求的结尾
    {"\xBE\xE4\xBA\xC5\xB2\xBB\xD4\xDA\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xB5\xC4\xBD\xE1\xCE\xB2"},
    // 权利要求中有多个句号
    {"\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xD6\xD0\xD3\xD0\xB6\xE0\xB8\xF6\xBE\xE4\xBA\xC5"},
    // 标点重复或冲突; 标点“PAIR”重复或冲突
    {"\xB1\xEA\xB5\xE3\xD6\xD8\xB8\xB4\xBB\xF2\xB3\xE5\xCD\xBB", "\xB1\xEA\xB5\xE3\xA1\xB0",
     "\xA1\xB1\xD6\xD8\xB8\xB4\xBB\xF2\xB3\xE5\xCD\xBB"},
    // 引用部分写法有误或未被识别; 引用部分写法有误或未被识别：“WORD”
    {"\xD2\xFD\xD3\xC3\xB2\xBF\xB7\xD6\xD0\xB4\xB7\xA8\xD3\xD0\xCE\xF3\xBB\xF2\xCE\xB4\xB1\xBB\xCA"
     "\xB6\xB1\xF0",
     "\xD2\xFD\xD3\xC3\xB2\xBF\xB7\xD6\xD0\xB4\xB7\xA8\xD3\xD0\xCE\xF3\xBB\xF2\xCE\xB4\xB1\xBB\xCA"
     "\xB6\xB1\xF0\xA3\xBA\xA1\xB0",
     "\xA1\xB1"},
    // 引用权利要求时未写明编号
    {"\xD2\xFD\xD3\xC3\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xCA\xB1\xCE\xB4\xD0\xB4\xC3\xF7\xB1\xE0\xBA"
     "\xC5"},
    // 引用多项权利要求时未采用择一方式
    {"\xD2\xFD\xD3\xC3\xB6\xE0\xCF\xEE\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xCA\xB1\xCE\xB4\xB2\xC9\xD3"
     "\xC3\xD4\xF1\xD2\xBB\xB7\xBD\xCA\xBD"},
    // 使保护范围不清楚; “WORD”使保护范围不清楚
    {"\xCA\xB9\xB1\xA3\xBB\xA4\xB7\xB6\xCE\xA7\xB2\xBB\xC7\xE5\xB3\xFE", "\xA1\xB0",
     "\xA1\xB1\xCA\xB9\xB1\xA3\xBB\xA4\xB7\xB6\xCE\xA7\xB2\xBB\xC7\xE5\xB3\xFE"},
    // 用词重复或疑似笔误; 用词重复或疑似笔误：“WORD”
    {"\xD3\xC3\xB4\xCA\xD6\xD8\xB8\xB4\xBB\xF2\xD2\xC9\xCB\xC6\xB1\xCA\xCE\xF3",
     "\xD3\xC3\xB4\xCA\xD6\xD8\xB8\xB4\xBB\xF2\xD2\xC9\xCB\xC6\xB1\xCA\xCE\xF3\xA3\xBA\xA1\xB0",
     "\xA1\xB1"},
    // 主题包含两种类型，如产品及其方法
    {"\xD6\xF7\xCC\xE2\xB0\xFC\xBA\xAC\xC1\xBD\xD6\xD6\xC0\xE0\xD0\xCD\xA3\xAC\xC8\xE7\xB2\xFA\xC6"
     "\xB7\xBC\xB0\xC6\xE4\xB7\xBD\xB7\xA8"},
    // 括号不成对
    {"\xC0\xA8\xBA\xC5\xB2\xBB\xB3\xC9\xB6\xD4"},
    // 缺乏引用基础; “TERM”缺乏引用基础
    {"\xC8\xB1\xB7\xA6\xD2\xFD\xD3\xC3\xBB\xF9\xB4\xA1", "\xA1\xB0",
     "\xA1\xB1\xC8\xB1\xB7\xA6\xD2\xFD\xD3\xC3\xBB\xF9\xB4\xA1"},
    // 步骤编号跳号、重复或所引用的步骤未定义; 步骤编号跳号、重复或所引用的步骤未定义：“WORD”
    {"\xB2\xBD\xD6\xE8\xB1\xE0\xBA\xC5\xCC\xF8\xBA\xC5\xA1\xA2\xD6\xD8\xB8\xB4\xBB\xF2\xCB\xF9\xD2\xFD\xD3\xC3\xB5\xC4\xB2\xBD\xD6\xE8\xCE\xB4\xB6\xA8\xD2\xE5",
     "\xB2\xBD\xD6\xE8\xB1\xE0\xBA\xC5\xCC\xF8\xBA\xC5\xA1\xA2\xD6\xD8\xB8\xB4\xBB\xF2\xCB\xF9\xD2\xFD\xD3\xC3\xB5\xC4\xB2\xBD\xD6\xE8\xCE\xB4\xB6\xA8\xD2\xE5\xA3\xBA\xA1\xB0",
     "\xA1\xB1"},
}};
static_assert(kExplanations.size() == static_cast<size_t>(FindingCode::kStepNumbering) + 1);

constexpr std::string_view kQuoteOpen = "\xA1\xB0";  // “
// ”在前文或所依据的权利要求中有引用基础
constexpr std::string_view kHasBasis =
    "\xA1\xB1\xD4\xDA\xC7\xB0\xCE\xC4\xBB\xF2\xCB\xF9\xD2\xC0\xBE\xDD\xB5\xC4\xC8\xA8\xC0\xFB"
    "\xD2\xAA\xC7\xF3\xD6\xD0\xD3\xD0\xD2\xFD\xD3\xC3\xBB\xF9\xB4\xA1";
// ”的附图标记已用于另一名称
constexpr std::string_view kSignNamedOtherwise =
    "\xA1\xB1\xB5\xC4\xB8\xBD\xCD\xBC\xB1\xEA\xBC\xC7\xD2\xD1\xD3\xC3\xD3\xDA\xC1\xED\xD2\xBB"
    "\xC3\xFB\xB3\xC6";
constexpr std::string_view kInClaims = "\xA1\xB1\xD4\xDA\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3";  // ”在权利要求
constexpr std::string_view kLacksBasis =
    "\xD6\xD0\xC8\xB1\xB7\xA6\xD2\xFD\xD3\xC3\xBB\xF9\xB4\xA1";  // 中缺乏引用基础
constexpr std::string_view kListComma = "\xA1\xA2";                    // 、

constexpr std::string_view kSets = "\xCC\xD7";                                  // 套
constexpr std::string_view kClaims = "\xCC\xF5\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3";  // 条权利要求
constexpr std::string_view kProblemClaims = "\xCC\xF5\xD3\xD0\xCE\xCA\xCC\xE2";   // 条有问题
constexpr std::string_view kProblems = "\xCE\xCA\xCC\xE2";                      // 问题
constexpr std::string_view kPlaces = "\xB4\xA6";                                // 处
constexpr std::string_view kDot = " \xA1\xA4 ";                                 // " · "
constexpr std::string_view kGap = "    ";
constexpr std::string_view kFixSign = "\xA1\xFA";          // →
constexpr std::string_view kFixed = "\xD2\xD1\xD0\xDE\xD5\xFD ";  // "已修正 "

}  // namespace

namespace {

// What the review's antecedent search says beyond the explanation of the code: that the term
// has its basis after all, that its reference sign names another thing, or on which branches it
// lacks its basis; "" when it says nothing more.
std::string ReviewedAntecedent(const Finding& finding) {
  if (finding.termUnread) return {};
  std::string said(kQuoteOpen);
  said.append(finding.term);
  if (finding.code == FindingCode::kAntecedent && finding.severity == Severity::kNote) {
    return said.append(kHasBasis);
  }
  if (finding.severity == Severity::kFix) {
    return said.append(kSignNamedOtherwise);
  }
  if (finding.branchesWithout.empty()) return {};
  said.append(kInClaims);
  for (size_t i = 0; i < finding.branchesWithout.size(); ++i) {
    if (i > 0) said.append(kListComma);
    said.append(std::to_string(finding.branchesWithout[i]));
  }
  return said.append(kLacksBasis);
}

}  // namespace

std::string FindingExplanation(const Finding& finding) {
  if (finding.reviewed && !finding.term.empty()) {
    if (std::string said = ReviewedAntecedent(finding); !said.empty()) return said;
  }
  const Explanation& explanation = kExplanations[static_cast<size_t>(finding.code)];
  const std::string_view word =
      finding.code == FindingCode::kDoubledPunctuation ? finding.pair : finding.term;
  if (explanation.before.empty() || word.empty()) return std::string(explanation.plain);
  return std::string(explanation.before).append(word).append(explanation.after);
}

std::string_view SeverityWord(Severity severity) {
  switch (severity) {
    case Severity::kFix:
      return "\xD0\xE8\xD0\xDE\xB8\xC4";  // 需修改
    case Severity::kReview:
      return "\xC7\xEB\xB8\xB4\xBA\xCB";  // 请复核
    case Severity::kNote:
      return "\xCC\xE1\xCA\xBE";  // 提示
  }
  return {};
}

std::string_view SeveritySign(Severity severity) {
  switch (severity) {
    case Severity::kFix:
      return "\xA1\xF1";  // ●
    case Severity::kReview:
      return "\xA1\xF8";  // ▲
    case Severity::kNote:
      return "\xA1\xF0";  // ○
  }
  return {};
}

std::array<int, 3> SeverityCounts(const AnalysisResult& result) {
  std::array<int, 3> perSeverity{};
  for (const ClaimResult& claim : result.claims) {
    for (const Finding& finding : claim.findings) ++perSeverity[static_cast<int>(finding.severity)];
  }
  return perSeverity;
}

namespace {

// "需修改 2 · 请复核 1 · 提示 0", each word after its sign when `signs`.
void AppendSeverityCounts(std::string& line, const AnalysisResult& result, bool signs) {
  const std::array<int, 3> perSeverity = SeverityCounts(result);
  for (const Severity severity : {Severity::kFix, Severity::kReview, Severity::kNote}) {
    if (severity != Severity::kFix) line.append(kDot);
    if (signs) line.append(SeveritySign(severity)).append(" ");
    line.append(SeverityWord(severity)).append(" ");
    line.append(std::to_string(perSeverity[static_cast<int>(severity)]));
  }
}

}  // namespace

std::string SeveritySummary(const AnalysisResult& result) {
  std::string line;
  if (!result.claims.empty()) AppendSeverityCounts(line, result, true);
  return line;
}

std::string StatusLine(const AnalysisResult& result) {
  if (result.claims.empty()) return {};
  std::string line;
  if (result.HasSummary()) line.append(std::to_string(result.sets)).append(kSets).append(kDot);
  line.append(std::to_string(result.claims.size())).append(kClaims);
  if (result.HasSummary()) {
    line.append(kDot).append(std::to_string(result.problemClaims)).append(kProblemClaims);
    line.append(kDot).append(kProblems).append(std::to_string(result.problems)).append(kPlaces);
  }
  line.append(kGap);
  AppendSeverityCounts(line, result, false);
  return line;
}

std::string FixLabel(const Finding& finding) {
  if (!finding.fix) return {};
  return std::string(kFixSign).append(finding.fix->title);
}

std::string FixedStatusLine(int edits, const AnalysisResult& result) {
  std::string line(kFixed);
  line.append(std::to_string(edits)).append(" ").append(kPlaces);
  const std::string status = StatusLine(result);
  if (!status.empty()) line.append(kGap).append(status);
  return line;
}
