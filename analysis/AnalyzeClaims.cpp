#include "AnalyzeClaims.h"

#include <algorithm>
#include <memory>

#include "report/AnnotatedReport.h"
#include "checks/AntecedentBasis.h"
#include "claims/ClaimNumbering.h"
#include "claims/ClaimRecord.h"
#include "checks/DependencyChecks.h"
#include "checks/FindingSeverity.h"
#include "checks/further/AntecedentBasisReview.h"
#include "checks/further/FurtherChecks.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"
#include "MessageSink.h"
#include "claims/ParentRefs.h"
#include "checks/SubjectConsistency.h"
#include "claims/SubjectRecognition.h"
#include "checks/WordingChecks.h"

namespace {

struct ProblemTotals {
  int claims = 0;    // records with at least one problem
  int problems = 0;  // sum of the records' problem counts
};

// Kind, subject, parents and claim set of the record at `pos`, and its tags.
void CompleteRecord(int pos, int32_t& currentLeader) {
  ClaimRecord& record = g_claims[pos];
  record.subject = RecognizeSubject(record.text, record.isIndependent);
  if (Size(record.subject) < kMinSubjectBytes) record.subject.clear();
  // The kind tag stands first in the head; the kind is known once the subject is read.
  record.head.clear();
  AppendKindAndSubjectTags(record.head, record.isIndependent, record.number, record.subject);
  if (!record.isIndependent) {
    record.parentRefs = DedupeNumberList(ParseParentRefs(record.text));
    record.parentNumbers = ParentNumbersOf(record.parentRefs);
    AppendParentTag(record.head, record.parentNumbers);
    ResolveParents(pos);
  }
  AssignClaimSet(record, currentLeader);
}

// Runs every check on the record at `pos` in the fixed order and counts its problems.
void CheckRecord(int pos, AntecedentChecker& antecedents, const AntecedentReview* review,
                 const AnalysisOptions& options, ProblemTotals& totals) {
  ClaimRecord& record = g_claims[pos];
  record.marks.clear();
  record.findings.clear();
  CheckNumbering(pos);
  CheckSuspectedIndependent(pos);
  CheckReferenceFormat(pos);
  CheckParents(pos);
  CheckSubject(pos);
  // Run on the text before the antecedent brackets go in, shown after the wording's marks.
  std::vector<Finding> further;
  if (options.review) RunFurtherChecks(record, record.text, further);
  if (!record.multiMulti) antecedents.Check(pos);
  if (review) review->Check(pos, record.findings, further);
  CheckWording(pos);
  for (Finding& finding : further) {
    record.marks += MarkOf(finding);
    record.findings.push_back(std::move(finding));
  }
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

// Where a finding stands in the report: the marks of the merged bracket in the order of their
// codes, then the antecedent brackets of the text.
int Rank(const Finding& finding) {
  if (finding.code == FindingCode::kAntecedent) return 1 << 8;
  return static_cast<int>(finding.code);
}

// The result's record of the claim at `pos`, which takes over the record's findings; `set` is
// the number of claim sets so far. Every paragraph from claim 1 on belongs to a claim.
ClaimResult ResultOf(int pos, int set, int& problemNumber) {
  ClaimRecord& record = g_claims[pos];
  ClaimResult claim;
  claim.number = record.number;
  claim.independent = record.isIndependent;
  claim.subject = record.subject;
  claim.parents = record.parentNumbers;
  claim.set = set;
  if (record.problemCount > 0) claim.problemNumber = ++problemNumber;
  claim.firstParagraph = record.firstParagraph;
  const int next = pos + 1 < g_claims.Count() ? g_claims[pos + 1].firstParagraph
                                              : static_cast<int>(g_paragraphs.size());
  claim.paragraphCount = next - record.firstParagraph;
  claim.findings = std::move(record.findings);
  for (Finding& finding : claim.findings) {
    if (!finding.reviewed) finding.severity = SeverityOf(record, finding);
  }
  // The report shows the merged bracket, its marks in the order of their codes, before the text
  // and its brackets.
  const auto byRank = [](const Finding& a, const Finding& b) { return Rank(a) < Rank(b); };
  if (!std::is_sorted(claim.findings.begin(), claim.findings.end(), byRank)) {
    std::stable_sort(claim.findings.begin(), claim.findings.end(), byRank);
  }
  return claim;
}

Outcome OutcomeOf(const AnalysisResult& result) {
  if (result.sets == 0) return Outcome::kNoIndependent;
  return result.problems > 0 ? Outcome::kProblems : Outcome::kClean;
}

}  // namespace

void ResetAnalysis() {
  g_claims.Empty();
  g_paragraphs = {};
  g_markSpans = {};
}

AnalysisResult AnalyzeToResult(const std::string& text, const AnalysisOptions& options) {
  AnalysisResult result;
  SplitParagraphs(text, &result.paragraphs);
  if (g_paragraphs.empty()) return result;
  const int first = FindClaimOneParagraph();
  if (first == -1) {
    if (text == gbk::kShowCredit) ShowMessage(std::string(gbk::kMessageCredit));
    ShowMessage(std::string(gbk::kMessageNoClaimOne));
    result.outcome = Outcome::kNoClaimOne;
    return result;
  }
  GatherClaims(first);
  int32_t currentLeader = 1;
  for (int pos = 0; pos < g_claims.Count(); ++pos) CompleteRecord(pos, currentLeader);
  ProblemTotals totals;
  AntecedentChecker antecedents;
  // The review reads every claim's text before the antecedent brackets go in.
  std::unique_ptr<AntecedentReview> review;
  if (options.review) review = std::make_unique<AntecedentReview>();
  for (int pos = 0; pos < g_claims.Count(); ++pos) {
    CheckRecord(pos, antecedents, review.get(), options, totals);
  }
  NumberProblemClaims(totals.claims);
  result.problemClaims = totals.claims;
  result.problems = totals.problems;
  result.claims.reserve(g_claims.Count());
  int problemNumber = 0;
  for (int pos = 0; pos < g_claims.Count(); ++pos) {
    result.sets += g_claims[pos].isIndependent;
    result.claims.push_back(ResultOf(pos, result.sets, problemNumber));
  }
  result.outcome = OutcomeOf(result);
  return result;
}

std::string AnalyzeClaims(const std::string& text) {
  AnalysisResult result = AnalyzeToResult(text);
  return result.claims.empty() ? text : WriteReport(result, text, /*inCodePoints=*/false);
}
