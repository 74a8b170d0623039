#include "AnalyzeClaims.h"

#include "AntecedentBasis.h"
#include "ClaimNumbering.h"
#include "ClaimRecord.h"
#include "DependencyChecks.h"
#include "GbkText.h"
#include "GbkTexts.h"
#include "MessageSink.h"
#include "ParentRefs.h"
#include "SubjectConsistency.h"
#include "SubjectRecognition.h"
#include "WordingChecks.h"

namespace {

struct ProblemTotals {
  int claims = 0;    // records with at least one problem
  int problems = 0;  // sum of the records' problem counts
};

std::string ParentTag(const std::vector<int32_t>& numbers) {
  if (numbers.empty()) return std::string(gbk::kTagParentUnknown);
  std::string tag(gbk::kTagParent);
  for (int32_t n : numbers) tag.append(std::to_string(n)).push_back(';');
  tag.push_back(']');
  return tag;
}

// Kind, subject, parents and claim set of the record at `pos`, and its tags.
void CompleteRecord(int pos, int32_t& currentLeader) {
  ClaimRecord& record = g_claims[pos];
  record.subject = RecognizeSubject(record.text, record.isIndependent);
  if (Size(record.subject) < kMinSubjectBytes) record.subject.clear();
  record.head = "[" + record.subject + "]";
  if (!record.isIndependent) {
    record.parentRefs = DedupeNumberList(ParseParentRefs(record.text));
    record.parentNumbers = ParentNumbersOf(record.parentRefs);
    record.head += ParentTag(record.parentNumbers);
    ResolveParents(pos);
  }
  AssignClaimSet(record, currentLeader);
  const std::string_view kind = record.isIndependent ? gbk::kTagIndependent : gbk::kTagDependent;
  record.head.insert(0, std::string(kind) + std::to_string(record.number) + "]");
}

// Runs every check on the record at `pos` in the fixed order and counts its problems.
void CheckRecord(int pos, AntecedentChecker& antecedents, ProblemTotals& totals) {
  ClaimRecord& record = g_claims[pos];
  record.marks.clear();
  CheckNumbering(pos);
  CheckSuspectedIndependent(pos);
  CheckReferenceFormat(pos);
  CheckParents(pos);
  CheckSubject(pos);
  if (!record.multiMulti) antecedents.Check(pos);
  CheckWording(pos);
  record.problemCount = CountOccurrences(record.text + record.marks, gbk::kMarkOpen);
  if (record.problemCount > 0) {
    ++totals.claims;
    totals.problems += record.problemCount;
  }
  record.marks = ReplaceAll(record.marks, gbk::kMarkJoint, "|");
}

void NumberProblemClaims(int problemClaims) {
  int k = 0;
  for (ClaimRecord& record : g_claims) {
    if (record.problemCount <= 0) continue;
    ++k;
    record.head.insert(0, std::string(gbk::kProblemTag) + std::to_string(problemClaims) + "-" +
                              std::to_string(k) + "]");
  }
}

std::string Summary(int sets, const ProblemTotals& totals) {
  std::string summary(gbk::kSummarySets);
  summary.append(std::to_string(sets)).append(gbk::kSummaryClaims);
  summary.append(std::to_string(g_claims.Count())).append(gbk::kSummaryProblemClaims);
  summary.append(std::to_string(totals.claims)).append(gbk::kSummaryProblems);
  summary.append(std::to_string(totals.problems)).append(gbk::kSummaryTail);
  return summary;
}

std::string WriteReport(const ProblemTotals& totals) {
  size_t size = 0;
  for (const ClaimRecord& record : g_claims) {
    size += record.head.size() + record.marks.size() + record.text.size() + 64;
  }
  std::string body;
  body.reserve(size);
  int sets = 0;
  for (const ClaimRecord& record : g_claims) {
    if (record.isIndependent) {
      ++sets;
      body.append(gbk::kSetHeaderHead).append(std::to_string(sets)).append(gbk::kSetHeaderTail);
    }
    body.append(record.head)
        .append(record.marks)
        .append(" ")
        .append(record.text)
        .append("\r\n\r\n");
  }
  if (sets == 0) return body;
  std::string report = Summary(sets, totals);
  report.reserve(report.size() + 4 + body.size() + gbk::kClosingLine.size());
  report.append("\r\n\r\n").append(body).append(gbk::kClosingLine);
  return report;
}

}  // namespace

std::string AnalyzeClaims(const std::string& text) {
  SplitParagraphs(text);
  if (g_paragraphs.empty()) return text;
  const int first = FindClaimOneParagraph();
  if (first == -1) {
    if (text == gbk::kShowCredit) ShowMessage(std::string(gbk::kMessageCredit));
    ShowMessage(std::string(gbk::kMessageNoClaimOne));
    return text;
  }
  GatherClaims(first);
  int32_t currentLeader = 1;
  for (int pos = 0; pos < g_claims.Count(); ++pos) CompleteRecord(pos, currentLeader);
  ProblemTotals totals;
  AntecedentChecker antecedents;
  for (int pos = 0; pos < g_claims.Count(); ++pos) CheckRecord(pos, antecedents, totals);
  NumberProblemClaims(totals.claims);
  return WriteReport(totals);
}
