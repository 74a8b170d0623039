#include "report/AnnotatedReport.h"

#include <algorithm>

#include "claims/ClaimNumbering.h"
#include "text/GbkTexts.h"
#include "text/TextWalker.h"

namespace {

void AppendSummary(std::string& report, const AnalysisResult& result) {
  report.append(gbk::kSummarySets).append(std::to_string(result.sets));
  report.append(gbk::kSummaryClaims).append(std::to_string(result.claims.size()));
  report.append(gbk::kSummaryProblemClaims).append(std::to_string(result.problemClaims));
  report.append(gbk::kSummaryProblems).append(std::to_string(result.problems));
  report.append(gbk::kSummaryTail).append("\r\n\r\n");
}

void AppendHead(std::string& report, const ClaimResult& claim, int problemClaims) {
  if (claim.problemNumber > 0) {
    report.append(gbk::kProblemTag).append(std::to_string(problemClaims)).append("-");
    report.append(std::to_string(claim.problemNumber)).append("]");
  }
  AppendKindAndSubjectTags(report, claim.independent, claim.number, claim.subject);
  if (!claim.independent) AppendParentTag(report, claim.parents);
}

// The claim's text as read, its paragraphs joined by "\r\n", from byte `from` to `to` of it.
class ClaimText {
 public:
  ClaimText(const AnalysisResult& result, const ClaimResult& claim, std::string_view analysed)
      : paragraphs(result.paragraphs.data() + claim.firstParagraph),
        count(claim.paragraphCount),
        text(analysed) {}

  void AppendUpTo(std::string& report, size_t to) {
    while (copied < to) {
      const TextSpan& span = paragraphs[paragraph];
      const auto paragraphEnd = static_cast<size_t>(span.length);
      if (inParagraph == paragraphEnd) {
        report.append("\r\n");
        copied += 2;
        ++paragraph;
        inParagraph = 0;
        continue;
      }
      const size_t n = std::min(paragraphEnd - inParagraph, to - copied);
      report.append(text.substr(static_cast<size_t>(span.start) + inParagraph, n));
      inParagraph += n;
      copied += n;
    }
  }

  void AppendRest(std::string& report) {
    size_t length = 0;
    for (int32_t i = 0; i < count; ++i) length += static_cast<size_t>(paragraphs[i].length);
    AppendUpTo(report, length + 2 * static_cast<size_t>(count - 1));
  }

 private:
  const TextSpan* paragraphs;
  int32_t count;
  std::string_view text;
  int32_t paragraph = 0;
  size_t inParagraph = 0;
  size_t copied = 0;
};

// The claim's own marks in one bracket, "【A|B|C】", and the claim's text with a bracket around
// each antecedent span. The findings' report places are left as byte spans.
void AppendMarksAndText(std::string& report, ClaimResult& claim, ClaimText text) {
  std::vector<Finding>& findings = claim.findings;
  size_t next = 0;
  if (next < findings.size() && findings[next].code != FindingCode::kAntecedent) {
    report.append(gbk::kMarkOpen);
    const auto inside = static_cast<int32_t>(report.size());
    for (; next < findings.size() && findings[next].code != FindingCode::kAntecedent; ++next) {
      if (static_cast<int32_t>(report.size()) > inside) report.push_back('|');
      AppendMarkInside(report, findings[next]);
    }
    const auto length = static_cast<int32_t>(report.size()) - inside;
    for (size_t i = 0; i < next; ++i) {
      findings[i].reportStart = inside;
      findings[i].reportLength = length;
    }
    report.append(gbk::kMarkClose);
  }
  report.append(" ");
  for (; next < findings.size(); ++next) {
    Finding& finding = findings[next];
    const auto start = static_cast<size_t>(finding.textStart);
    text.AppendUpTo(report, start);
    report.append(gbk::kMarkOpen);
    finding.reportStart = static_cast<int32_t>(report.size());
    finding.reportLength = finding.textLength;
    text.AppendUpTo(report, start + static_cast<size_t>(finding.textLength));
    report.append(gbk::kMarkClose);
  }
  text.AppendRest(report);
}

// Turns the findings' byte spans in the report into code points, in one walk: findings stand in
// the report in the order of the claims and of each claim's findings, the merged bracket's
// sharing one span.
void CountReportPlaces(std::string_view report, AnalysisResult& result) {
  TextWalker walker(report);
  for (ClaimResult& claim : result.claims) {
    int32_t lastStart = -1;
    int32_t start = 0;
    int32_t length = 0;
    for (Finding& finding : claim.findings) {
      if (finding.reportStart != lastStart) {
        lastStart = finding.reportStart;
        start = walker.CodePointsBefore(static_cast<size_t>(finding.reportStart));
        length = walker.CodePointsBefore(static_cast<size_t>(finding.reportStart) +
                                         static_cast<size_t>(finding.reportLength)) -
                 start;
      }
      finding.reportStart = start;
      finding.reportLength = length;
    }
  }
}

}  // namespace

void AppendKindAndSubjectTags(std::string& head, bool independent, int32_t number,
                              std::string_view subject) {
  head.append(independent ? gbk::kTagIndependent : gbk::kTagDependent);
  head.append(std::to_string(number)).append("]");
  head.append("[").append(subject).append("]");
}

void AppendParentTag(std::string& head, const std::vector<int32_t>& numbers) {
  if (numbers.empty()) {
    head += gbk::kTagParentUnknown;
    return;
  }
  head += gbk::kTagParent;
  for (int32_t n : numbers) AppendListItem(head, n);
  head.push_back(']');
}

std::string WriteReport(AnalysisResult& result, std::string_view analysedText, bool inCodePoints) {
  size_t size = analysedText.size() + 512;
  for (const ClaimResult& claim : result.claims) {
    size += 64;
    for (const Finding& finding : claim.findings) {
      size += finding.label.size() + finding.term.size() + 8;
    }
  }
  std::string report;
  report.reserve(size);
  if (result.sets > 0) AppendSummary(report, result);
  int sets = 0;
  for (ClaimResult& claim : result.claims) {
    if (claim.independent) {
      ++sets;
      report.append(gbk::kSetHeaderHead).append(std::to_string(sets)).append(gbk::kSetHeaderTail);
    }
    AppendHead(report, claim, result.problemClaims);
    AppendMarksAndText(report, claim, ClaimText(result, claim, analysedText));
    report.append("\r\n\r\n");
  }
  if (sets > 0) report.append(gbk::kClosingLine);
  if (inCodePoints) CountReportPlaces(report, result);
  return report;
}
