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

void AppendParentTag(std::string& head, const std::vector<int32_t>& numbers) {
  if (numbers.empty()) {
    head += gbk::kTagParentUnknown;
    return;
  }
  head += gbk::kTagParent;
  for (int32_t n : numbers) AppendListItem(head, n);
  head.push_back(']');
}

// Kind, subject, parents and claim set of the record at `pos`, and its tags.
void CompleteRecord(int pos, int32_t& currentLeader) {
  ClaimRecord& record = g_claims[pos];
  record.subject = RecognizeSubject(record.text, record.isIndependent);
  if (Size(record.subject) < kMinSubjectBytes) record.subject.clear();
  // The kind tag stands first in the head; the kind is known once the subject is read.
  record.head = record.isIndependent ? gbk::kTagIndependent : gbk::kTagDependent;
  record.head.append(std::to_string(record.number)).append("]");
  record.head.append("[").append(record.subject).append("]");
  if (!record.isIndependent) {
    record.parentRefs = DedupeNumberList(ParseParentRefs(record.text));
    record.parentNumbers = ParentNumbersOf(record.parentRefs);
    AppendParentTag(record.head, record.parentNumbers);
    ResolveParents(pos);
  }
  AssignClaimSet(record, currentLeader);
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
  // Counted part by part: a text ending in a lone lead byte would otherwise swallow the first
  // byte of the first mark, and a shown mark would go uncounted.
  record.problemCount = CountOccurrences(record.text, gbk::kMarkOpen) +
                        CountOccurrences(record.marks, gbk::kMarkOpen);
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

void AppendSummary(std::string& report, int sets, const ProblemTotals& totals) {
  report.append(gbk::kSummarySets).append(std::to_string(sets));
  report.append(gbk::kSummaryClaims).append(std::to_string(g_claims.Count()));
  report.append(gbk::kSummaryProblemClaims).append(std::to_string(totals.claims));
  report.append(gbk::kSummaryProblems).append(std::to_string(totals.problems));
  report.append(gbk::kSummaryTail).append("\r\n\r\n");
}

// The summary (when some claim is independent), every claim under its set header, and the
// closing line.
std::string WriteReport(const ProblemTotals& totals) {
  size_t size = 512;
  int independents = 0;
  for (const ClaimRecord& record : g_claims) {
    size += record.head.size() + record.marks.size() + record.text.size() + 64;
    independents += record.isIndependent;
  }
  std::string report;
  report.reserve(size);
  if (independents > 0) AppendSummary(report, independents, totals);
  int sets = 0;
  for (const ClaimRecord& record : g_claims) {
    if (record.isIndependent) {
      ++sets;
      report.append(gbk::kSetHeaderHead).append(std::to_string(sets)).append(gbk::kSetHeaderTail);
    }
    report.append(record.head).append(record.marks).append(" ").append(record.text);
    report.append("\r\n\r\n");
  }
  if (sets > 0) report.append(gbk::kClosingLine);
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
