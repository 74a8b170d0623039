#include "AnalyzeClaims.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

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

// Runs the report's own checks on the record at `pos` in their fixed order.
void CheckOwn(int pos, AntecedentChecker& antecedents) {
  ClaimRecord& record = g_claims[pos];
  record.findings.clear();
  CheckNumbering(pos);
  CheckSuspectedIndependent(pos);
  CheckReferenceFormat(pos);
  CheckParents(pos);
  CheckSubject(pos);
  if (!record.multiMulti) antecedents.Check(pos);
  CheckWording(pos);
}

// Counts the problems of the record at `pos`, whose findings are all in: one for each finding,
// as each finding is one mark of the report.
void CountProblems(int pos, ProblemTotals& totals) {
  ClaimRecord& record = g_claims[pos];
  record.problemCount = static_cast<int32_t>(record.findings.size());
  if (record.problemCount > 0) {
    ++totals.claims;
    totals.problems += record.problemCount;
  }
}

// A text of fewer bytes is checked on one thread: a second one would cost more than it saves.
constexpr size_t kMinSideBySideBytes = size_t{1} << 16;

// Runs `own` here and, when `worthIt`, `other` beside it on a thread of its own, and returns once
// both are done; an exception of either reaches the caller. Where no thread can be had (a page
// built without threads, or none left to start) the two run one after the other.
template <typename Own, typename Other>
void SideBySide([[maybe_unused]] bool worthIt, Own own, Other other) {
#if !defined(__EMSCRIPTEN__) || defined(__EMSCRIPTEN_PTHREADS__)
  if (worthIt) {
    std::future<void> beside;
    try {
      beside = std::async(std::launch::async, other);
    } catch (const std::system_error&) {
    }
    if (beside.valid()) {
      own();
      beside.get();
      return;
    }
  }
#endif
  own();
  other();
}

// The parts in which the review reads the terms of a text's claims: two for a long text, so
// that they can be read side by side, else one. Ends of the parts, about equal in bytes.
std::vector<int> TermPartEnds() {
  const int count = g_claims.Count();
  if (g_analysedText.size() < kMinSideBySideBytes) return {count};
  size_t bytes = 0;
  int half = 0;
  while (half < count && bytes < g_analysedText.size() / 2) bytes += g_claims[half++].text.size();
  return {half, count};
}

// Tells whoever waits on `flag` when it goes out of scope.
struct Begun {
  std::atomic<bool>& flag;
  ~Begun() {
    flag = true;
    flag.notify_all();
  }
};

// The report's own checks and the review's of every claim. The review reads every claim's text
// as it was read, and its records as the report's checks leave them: its work runs beside the
// report's checks, in turns that either side takes when it is free, first what every claim rests
// on, then the terms of each part of the claims, then the further checks a few claims at a time.
// What the review then settles, claim by claim in list order, needs the report's findings.
void CheckWithReview(bool sideBySide, AntecedentChecker& antecedents, ProblemTotals& totals) {
  const int count = g_claims.Count();
  std::vector<std::vector<Finding>> further(count);
  std::optional<AntecedentReview> basis;
  std::atomic<bool> basisBegun{false};
  const std::vector<int> partEnds = TermPartEnds();
  constexpr int kClaimsPerTurn = 32;
  const int parts = static_cast<int>(partEnds.size());
  const int turns = 1 + parts + (count + kClaimsPerTurn - 1) / kClaimsPerTurn;
  std::atomic<int> next{0};
  const auto takeTurns = [&] {
    for (int turn; (turn = next.fetch_add(1)) < turns;) {
      if (turn == 0) {
        // Told even when it fails, so that the other side never waits for it.
        const Begun begun{basisBegun};
        basis.emplace();
      } else if (turn <= parts) {
        // Taken by one side while the other may still read what the claims rest on.
        basisBegun.wait(false);
        if (!basis) return;  // it failed on the other side, which reports it
        basis->Read(turn == 1 ? 0 : partEnds[turn - 2], partEnds[turn - 1]);
      } else {
        const int from = (turn - 1 - parts) * kClaimsPerTurn;
        for (int pos = from; pos < std::min(count, from + kClaimsPerTurn); ++pos) {
          RunFurtherChecks(g_claims[pos], g_claims[pos].text, further[pos]);
        }
      }
    }
  };
  SideBySide(
      sideBySide && g_analysedText.size() >= kMinSideBySideBytes,
      [&] {
        for (int pos = 0; pos < count; ++pos) CheckOwn(pos, antecedents);
        takeTurns();
      },
      takeTurns);
  DependencyReview dependencies;
  for (int pos = 0; pos < count; ++pos) {
    ClaimRecord& record = g_claims[pos];
    basis->Check(pos, record.findings, further[pos]);
    dependencies.Check(pos, further[pos]);
    // Shown after the report's own marks.
    std::move(further[pos].begin(), further[pos].end(), std::back_inserter(record.findings));
    std::vector<Finding>().swap(further[pos]);
    CountProblems(pos, totals);
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
  if (options.review) {
    CheckWithReview(options.sideBySide, antecedents, totals);
  } else {
    for (int pos = 0; pos < g_claims.Count(); ++pos) {
      CheckOwn(pos, antecedents);
      CountProblems(pos, totals);
    }
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
