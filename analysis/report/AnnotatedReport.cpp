#include "report/AnnotatedReport.h"

#include <algorithm>

#include "claims/ClaimNumbering.h"
#include "claims/ClaimRecord.h"
#include "text/GbkTexts.h"
#include "text/TextWalker.h"

namespace {

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

// The span of `report` from byte `from` to its end.
TextSpan SpanFrom(const std::string& report, size_t from) {
  return {static_cast<int32_t>(from), static_cast<int32_t>(report.size() - from)};
}

// Where a claim's marks and its bracketed text went in the report.
struct MarksAndText {
  TextSpan marks;
  TextSpan bracketedText;
};

// Writes a claim's part of the report after its tags: its own marks in one bracket,
// "【A|B|C】", then a blank and its text with a bracket around each antecedent span. Records
// where each bracket's inside went in `insides` and in the findings it shows (byte spans of the
// report), and returns where the marks and the text went.
MarksAndText AppendMarksAndText(std::string& report, ClaimResult& claim, ClaimText text,
                                std::vector<TextSpan>& insides) {
  MarksAndText spans;
  std::vector<Finding>& findings = claim.findings;
  size_t next = 0;
  const size_t marksStart = report.size();
  if (next < findings.size() && findings[next].code != FindingCode::kAntecedent) {
    report.append(gbk::kMarkOpen);
    const size_t inside = report.size();
    for (; next < findings.size() && findings[next].code != FindingCode::kAntecedent; ++next) {
      if (report.size() > inside) report.push_back('|');
      AppendMarkInside(report, findings[next]);
    }
    insides.push_back(SpanFrom(report, inside));
    for (size_t i = 0; i < next; ++i) {
      findings[i].reportStart = insides.back().start;
      findings[i].reportLength = insides.back().length;
    }
    report.append(gbk::kMarkClose);
  }
  spans.marks = SpanFrom(report, marksStart);
  report.append(" ");
  const size_t textStart = report.size();
  for (; next < findings.size(); ++next) {
    Finding& finding = findings[next];
    const auto start = static_cast<size_t>(finding.textStart);
    text.AppendUpTo(report, start);
    report.append(gbk::kMarkOpen);
    finding.reportStart = static_cast<int32_t>(report.size());
    finding.reportLength = finding.textLength;
    insides.push_back({finding.reportStart, finding.reportLength});
    text.AppendUpTo(report, start + static_cast<size_t>(finding.textLength));
    report.append(gbk::kMarkClose);
  }
  text.AppendRest(report);
  spans.bracketedText = SpanFrom(report, textStart);
  return spans;
}

size_t Digits(int32_t number) {
  size_t digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

// The bytes of a claim's set header (when it opens a set) and of its tags, as AppendHead and
// WriteReport write them.
size_t HeadRoom(const ClaimResult& claim, int problemClaims) {
  size_t room = 0;
  if (claim.independent) {
    room += gbk::kSetHeaderHead.size() + Digits(claim.set) + gbk::kSetHeaderTail.size();
  }
  if (claim.problemNumber > 0) {
    room += gbk::kProblemTag.size() + Digits(problemClaims) + Digits(claim.problemNumber) + 2;
  }
  room += (claim.independent ? gbk::kTagIndependent : gbk::kTagDependent).size() +
          Digits(claim.number) + claim.subject.size() + 3;
  if (claim.independent) return room;
  if (claim.parents.empty()) return room + gbk::kTagParentUnknown.size();
  room += gbk::kTagParent.size() + 1;
  for (int32_t parent : claim.parents) room += Digits(parent) + 1;
  return room;
}

// Room for the whole report: the analysed text holds every claim's text, the heads are counted
// as they will be written and the marks bounded, so that the report is written into one buffer
// that never moves and is hardly larger than the report.
size_t ReportRoom(const AnalysisResult& result, std::string_view analysedText) {
  constexpr size_t kSummaryAndClosing = 512;
  constexpr size_t kBlankAndBreaks = 5;  // " " before the text, "\r\n\r\n" after it
  constexpr size_t kBrackets = 8;        // "【】", or a "|" between marks
  size_t room = analysedText.size() + kSummaryAndClosing;
  for (const ClaimResult& claim : result.claims) {
    room += HeadRoom(claim, result.problemClaims) + kBlankAndBreaks;
    for (const Finding& finding : claim.findings) {
      room += finding.label.size() + finding.term.size() + kBrackets;
    }
  }
  return room;
}

// The byte at which the inside of the summary's "【 】" begins, within its last part.
constexpr size_t kSummaryBlank = gbk::kSummaryTail.find(gbk::kMarkOpen) + gbk::kMarkOpen.size();
static_assert(gbk::kSummaryTail.substr(kSummaryBlank, 3) == " \xA1\xBF");

void AppendSummary(std::string& report, const AnalysisResult& result,
                   std::vector<TextSpan>& insides) {
  report.append(gbk::kSummarySets).append(std::to_string(result.sets));
  report.append(gbk::kSummaryClaims).append(std::to_string(result.claims.size()));
  report.append(gbk::kSummaryProblemClaims).append(std::to_string(result.problemClaims));
  report.append(gbk::kSummaryProblems).append(std::to_string(result.problems));
  insides.push_back({static_cast<int32_t>(report.size() + kSummaryBlank), 1});
  report.append(gbk::kSummaryTail).append("\r\n\r\n");
}

// Turns the report's byte spans in the result, the claims', the brackets' and the findings',
// into code points, in one walk: each claim's head stands before its brackets, and the findings
// stand in the order of the brackets, those of one bracket sharing its span.
void CountReportPlaces(std::string_view report, AnalysisResult& result) {
  CodePointCounter counter(report);
  auto head = result.claims.begin();  // the first claim whose reportStart is still in bytes
  const auto countHeadsUpTo = [&](size_t byte) {
    for (; head != result.claims.end() && static_cast<size_t>(head->reportStart) <= byte; ++head) {
      head->reportStart = counter.Before(static_cast<size_t>(head->reportStart));
    }
  };
  auto claim = result.claims.begin();
  size_t next = 0;  // the first finding of *claim still in bytes
  for (TextSpan& inside : result.markInsides) {
    const int32_t byteStart = inside.start;
    countHeadsUpTo(static_cast<size_t>(byteStart));
    inside.start = counter.Before(static_cast<size_t>(byteStart));
    inside.length = counter.Before(static_cast<size_t>(byteStart + inside.length)) - inside.start;
    for (;; ++next) {
      for (; claim != result.claims.end() && next == claim->findings.size(); ++claim) next = 0;
      if (claim == result.claims.end() || claim->findings[next].reportStart != byteStart) break;
      claim->findings[next].reportStart = inside.start;
      claim->findings[next].reportLength = inside.length;
    }
  }
  countHeadsUpTo(report.size());
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
  std::string report;
  report.reserve(ReportRoom(result, analysedText));
  result.markInsides.clear();
  if (result.sets > 0) AppendSummary(report, result, result.markInsides);
  const bool records = static_cast<size_t>(g_claims.Count()) == result.claims.size();
  int sets = 0;
  for (size_t pos = 0; pos < result.claims.size(); ++pos) {
    ClaimResult& claim = result.claims[pos];
    if (claim.independent) {
      ++sets;
      report.append(gbk::kSetHeaderHead).append(std::to_string(sets)).append(gbk::kSetHeaderTail);
    }
    const size_t head = report.size();
    claim.reportStart = static_cast<int32_t>(head);
    AppendHead(report, claim, result.problemClaims);
    const TextSpan headSpan = SpanFrom(report, head);
    const MarksAndText spans = AppendMarksAndText(
        report, claim, ClaimText(result, claim, analysedText), result.markInsides);
    if (records) {
      ClaimRecord& record = g_claims[static_cast<int>(pos)];
      record.head = headSpan;
      record.marks = spans.marks;
      record.bracketedText = spans.bracketedText;
    }
    report.append("\r\n\r\n");
  }
  if (sets > 0) report.append(gbk::kClosingLine);
  if (inCodePoints) CountReportPlaces(report, result);
  return report;
}
