#include "AnalyzeClaims.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "report/AnnotatedReport.h"
#include "checks/AntecedentBasis.h"
#include "claims/ClaimNumbering.h"
#include "claims/ClaimRecord.h"
#include "checks/DependencyChecks.h"
#include "checks/FindingSeverity.h"
#include "checks/Renumbering.h"
#include "checks/further/AntecedentBasisReview.h"
#include "checks/further/DependencyReview.h"
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

// Kind, subject, parents and claim set of the record at `pos`.
void CompleteRecord(int pos, int32_t& currentLeader) {
  ClaimRecord& record = g_claims[pos];
  record.opening = ReadClaimOpening(record.text);
  record.subject = RecognizeSubject(record.text, record.opening, record.isIndependent);
  if (Size(record.subject) < kMinSubjectBytes) record.subject.clear();
  if (!record.isIndependent) {
    record.parentRefs = DedupeNumberList(record.opening.parentList);
    record.parentNumbers = ParentNumbersOf(record.parentRefs);
    ResolveParents(pos);
  }
  AssignClaimSet(record, currentLeader);
}

// Runs every check on the record at `pos` in the fixed order and counts its problems: one for
// each finding, as each finding is one mark of the report.
// What the review reads of every claim before the checks run, and carries from claim to claim.
struct Review {
  AntecedentReview antecedents;
  DependencyReview dependencies;
};

void CheckRecord(int pos, AntecedentChecker& antecedents, Review* review,
                 const AnalysisOptions& options, ProblemTotals& totals) {
  ClaimRecord& record = g_claims[pos];
  record.findings.clear();
  CheckNumbering(pos);
  CheckSuspectedIndependent(pos);
  CheckReferenceFormat(pos);
  CheckParents(pos);
  CheckSubject(pos);
  // Shown after the wording's marks.
  std::vector<Finding> further;
  if (options.review) RunFurtherChecks(record, record.text, further);
  if (!record.multiMulti) antecedents.Check(pos);
  if (review) {
    review->antecedents.Check(pos, record.findings, further);
    review->dependencies.Check(pos, further);
  }
  CheckWording(pos);
  std::move(further.begin(), further.end(), std::back_inserter(record.findings));
  record.problemCount = static_cast<int32_t>(record.findings.size());
  if (record.problemCount > 0) {
    ++totals.claims;
    totals.problems += record.problemCount;
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
  // Rated while the record holds them: a rule may weigh the claim's other findings.
  const RatedClaim rated(pos);
  for (Finding& finding : record.findings) {
    if (!finding.reviewed) finding.severity = SeverityOf(rated, finding);
  }
  claim.findings = std::move(record.findings);
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
  std::string().swap(g_analysedText);
}

AnalysisResult AnalyzeToResult(std::string text, const AnalysisOptions& options) {
  AnalysisResult result;
  g_analysedText = std::move(text);
  const std::string& analysed = g_analysedText;
  SplitParagraphs(analysed, &result.paragraphs);
  if (g_paragraphs.empty()) return result;
  const int first = FindClaimOneParagraph();
  if (first == -1) {
    if (analysed == gbk::kShowCredit) ShowMessage(std::string(gbk::kMessageCredit));
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
  std::unique_ptr<Review> review;
  if (options.review) review = std::make_unique<Review>();
  for (int pos = 0; pos < g_claims.Count(); ++pos) {
    CheckRecord(pos, antecedents, review.get(), options, totals);
  }
  RenumberClaims();
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
  return result.claims.empty() ? text : WriteReport(result, g_analysedText, /*inCodePoints=*/false);
}
