#include "report/SavedReport.h"

#include <algorithm>
#include <vector>

#include "report/FindingTexts.h"
#include "text/GbkTexts.h"
#include "text/TextWalker.h"

namespace {

constexpr std::string_view kTitle =  // 权利要求书形式检查报告
    "\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xCA\xE9\xD0\xCE\xCA\xBD\xBC\xEC\xB2\xE9\xB1\xA8\xB8\xE6";
constexpr std::string_view kFileLabel = "\xCE\xC4\xBC\xFE\xA3\xBA";     // 文件：
constexpr std::string_view kDateLabel = "\xC8\xD5\xC6\xDA\xA3\xBA";     // 日期：
constexpr std::string_view kProgramLabel = "\xB3\xCC\xD0\xF2\xA3\xBA";  // 程序：
constexpr std::string_view kProblemsHeading = "\xCE\xCA\xCC\xE2\xD2\xBB\xC0\xC0";  // 问题一览
constexpr std::string_view kClaimsHeading =  // 标注的权利要求书
    "\xB1\xEA\xD7\xA2\xB5\xC4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xCA\xE9";
constexpr std::string_view kNoProblem = "\xCE\xB4\xB7\xA2\xCF\xD6\xCE\xCA\xCC\xE2\xA1\xA3";  // 未发现问题。
// 权利要求, 严重程度, 标记, 说明
constexpr std::string_view kTableHead =
    "<thead><tr><th>\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3</th><th>\xD1\xCF\xD6\xD8\xB3\xCC\xB6\xC8</th>"
    "<th>\xB1\xEA\xBC\xC7</th><th>\xCB\xB5\xC3\xF7</th></tr></thead>\n";

// On screen a column of reading width; on A4 paper every line wrapped rather than cut, the
// table's head on every page it runs onto, and the red kept when the browser drops colours.
constexpr std::string_view kStyle =
    "body { font-family: \"SimSun\", \"\xCB\xCE\xCC\xE5\", \"Songti SC\", \"Noto Serif CJK SC\", "
    "\"Noto Sans CJK SC\", serif; line-height: 1.5; max-width: 60em; margin: 2em auto; "
    "padding: 0 1em; }\n"
    "h1 { font-size: 1.5em; text-align: center; }\n"
    "h2 { font-size: 1.15em; margin-top: 1.5em; }\n"
    "table { border-collapse: collapse; width: 100%; }\n"
    "th, td { border: 1px solid #999; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }\n"
    "thead th { background: #eee; }\n"
    "td:first-child, td:nth-child(2) { white-space: nowrap; }\n"
    "pre { white-space: pre-wrap; overflow-wrap: anywhere; font-family: inherit; }\n"
    ".mark { color: #ff0000; }\n"
    "@page { size: A4; margin: 18mm 16mm; }\n"
    "@media print {\n"
    "  body { max-width: none; margin: 0; padding: 0; font-size: 10.5pt; }\n"
    "  thead { display: table-header-group; }\n"
    "  tr { break-inside: avoid; }\n"
    "  a { color: inherit; text-decoration: none; }\n"
    "  .mark { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
    "}\n";

// Appends `text` with "<", ">", "&" and '"' escaped and every line break "\n". The bytes are
// safe to look at one by one: no byte of a GBK or GB18030 character but its first is below 0x30.
void AppendEscaped(std::string& html, std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '&':
        html += "&amp;";
        break;
      case '"':
        html += "&quot;";
        break;
      case '\r':
        if (i + 1 == text.size() || text[i + 1] != '\n') html += '\n';
        break;
      default:
        html += c;
    }
  }
}

std::string LocalDateTime(std::time_t when) {
  const std::tm* local = std::localtime(&when);
  char text[32] = "";
  if (local != nullptr) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", local);
  return text;
}

std::string ClaimAnchor(size_t index) { return "claim-" + std::to_string(index); }

// A place in the text where a claim's head begins, for the table's links.
struct Anchor {
  size_t start;
  size_t claim;  // its index among the result's claims
};

// Appends `text` with each span of `insides` (ascending, not overlapping) in a red element and an
// empty anchor element at each of `anchors` (ascending, none inside a span).
void AppendMarked(std::string& html, std::string_view text, const std::vector<TextSpan>& insides,
                  const std::vector<Anchor>& anchors) {
  size_t pos = 0;
  auto anchor = anchors.begin();
  // Up to `end`, the anchors before it included; a span outside the text is cut to it.
  const auto appendUpTo = [&](size_t end) {
    end = std::clamp(end, pos, text.size());
    for (; anchor != anchors.end() && anchor->start <= end; ++anchor) {
      const size_t at = std::max(anchor->start, pos);
      AppendEscaped(html, text.substr(pos, at - pos));
      html.append("<a id=\"").append(ClaimAnchor(anchor->claim)).append("\"></a>");
      pos = at;
    }
    AppendEscaped(html, text.substr(pos, end - pos));
    pos = end;
  };
  for (const TextSpan& inside : insides) {
    appendUpTo(static_cast<size_t>(inside.start));
    // The colour stands on the element too: a mail program that drops the style sheet keeps it.
    html += "<span class=\"mark\" style=\"color: #ff0000\">";
    appendUpTo(static_cast<size_t>(inside.start) + static_cast<size_t>(inside.length));
    html += "</span>";
  }
  appendUpTo(text.size());
}

// The insides of the "【…】" pairs of a text no check annotated, character by character so that
// no pair of bytes across two characters is taken for a bracket.
std::vector<TextSpan> BracketInsides(std::string_view text) {
  std::vector<TextSpan> insides;
  int32_t open = -1;
  for (size_t pos = 0; pos < text.size(); pos += static_cast<size_t>(Gb18030CharLength(text, pos))) {
    const std::string_view character = text.substr(pos, 2);
    const auto at = static_cast<int32_t>(pos);
    if (character == gbk::kMarkOpen) {
      open = at + static_cast<int32_t>(gbk::kMarkOpen.size());
    } else if (character == gbk::kMarkClose && open >= 0) {
      insides.push_back({open, at - open});
      open = -1;
    }
  }
  return insides;
}

void AppendProblemTable(std::string& html, const AnalysisResult& result) {
  html.append("<h2>").append(kProblemsHeading).append("</h2>\n");
  if (SeverityCounts(result) == std::array<int, 3>{}) {
    html.append("<p>").append(kNoProblem).append("</p>\n");
    return;
  }
  html.append("<table>\n").append(kTableHead).append("<tbody>\n");
  for (size_t index = 0; index < result.claims.size(); ++index) {
    const ClaimResult& claim = result.claims[index];
    for (const Finding& finding : claim.findings) {
      html.append("<tr class=\"").append(SeverityName(finding.severity)).append("\"><td><a href=\"#");
      html.append(ClaimAnchor(index)).append("\">").append(std::to_string(claim.number));
      html.append("</a></td><td>").append(SeveritySign(finding.severity)).append(" ");
      html.append(SeverityWord(finding.severity)).append("</td><td>");
      AppendEscaped(html, InsideOfMark(finding));
      html.append("</td><td>");
      AppendEscaped(html, FindingExplanation(finding));
      html.append("</td></tr>\n");
    }
  }
  html.append("</tbody>\n</table>\n");
}

std::vector<Anchor> ClaimsWithProblems(const AnalysisResult& result) {
  std::vector<Anchor> anchors;
  for (size_t index = 0; index < result.claims.size(); ++index) {
    const ClaimResult& claim = result.claims[index];
    if (!claim.findings.empty()) anchors.push_back({static_cast<size_t>(claim.reportStart), index});
  }
  return anchors;
}

}  // namespace

std::string SavedReportText(const SavedReportSource& source) {
  std::string text;
  if (source.result != nullptr && !source.result->claims.empty()) {
    text.append(SeveritySummary(*source.result)).append("\n\n");
  }
  for (size_t i = 0; i < source.text.size(); ++i) {
    if (source.text[i] != '\r') {
      text += source.text[i];
    } else if (i + 1 == source.text.size() || source.text[i + 1] != '\n') {
      text += '\n';
    }
  }
  return text;
}

std::string SavedReportHtml(const SavedReportSource& source) {
  std::string html;
  html.reserve(source.text.size() * 5 / 4 + 4096);
  // The page runs nothing and fetches nothing, wherever it is opened.
  html.append("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n");
  html.append("<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; ");
  html.append("style-src 'unsafe-inline'\">\n<title>");
  html.append(kTitle).append("</title>\n<style>\n").append(kStyle).append("</style>\n</head>\n");
  html.append("<body>\n<h1>").append(kTitle).append("</h1>\n<p class=\"source\">");
  if (!source.fileName.empty()) {
    html.append(kFileLabel);
    AppendEscaped(html, source.fileName);
    html.append("<br>\n");
  }
  html.append(kDateLabel).append(LocalDateTime(source.savedAt)).append("<br>\n");
  html.append(kProgramLabel).append("Quillex ");
  AppendEscaped(html, source.version);
  html.append("</p>\n");
  const AnalysisResult* result = source.result;
  if (result != nullptr && !result->claims.empty()) {
    html.append("<p class=\"summary\">").append(SeveritySummary(*result)).append("</p>\n");
    AppendProblemTable(html, *result);
    html.append("<h2>").append(kClaimsHeading).append("</h2>\n");
  }
  html.append("<pre class=\"report\">");
  if (result != nullptr) {
    AppendMarked(html, source.text, result->markInsides, ClaimsWithProblems(*result));
  } else {
    AppendMarked(html, source.text, BracketInsides(source.text), {});
  }
  html.append("</pre>\n</body>\n</html>\n");
  return html;
}
