// The judged samples of the corpus, kept as tables: the further checks keep firing on the hits a
// practitioner judged true or debatable and stay silent on the false alarms, and the severity
// rules keep giving the severity the judgement upheld and never give one judged not to fit, but
// for the known misses the README counts. Every report of a review obeys the rules of every
// report.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "CheckCommand.h"
#include "support/ReportInvariants.h"
#include "support/TestText.h"

namespace {

struct JudgedRow {
  std::string file, code, term, severity, verdict;
  int claim = 0;
};

// The rows of a table of tests/data: tab-separated file, claim, code, term, severity, verdict
// and, not read here, reason and excerpt; lines opening with "#" are comments.
std::vector<JudgedRow> ReadTable(const std::string& name) {
  std::ifstream in(std::string(QUILLEX_TEST_DATA_DIR) + "/" + name);
  EXPECT_TRUE(in) << name;
  std::vector<JudgedRow> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    JudgedRow row;
    std::string claim;
    for (std::string* field :
         {&row.file, &claim, &row.code, &row.term, &row.severity, &row.verdict}) {
      std::getline(fields, *field, '\t');
    }
    row.claim = std::stoi(claim);
    rows.push_back(row);
  }
  return rows;
}

// The findings (code, term, severity; UTF-8) of each claim of a corpus file checked with review.
using Judged = std::tuple<std::string, std::string, std::string>;
std::map<int, std::vector<Judged>> ReviewFindings(const std::string& file) {
  std::ifstream in(std::string(QUILLEX_CORPUS_DIR) + "/" + file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::string text;
  for (char c : bytes.str()) {
    if (c == '\n') text.push_back('\r');
    text.push_back(c);
  }
  const std::string box = Gbk(text);
  const CheckOutcome outcome = RunCheck(box, {.review = true});
  EXPECT_EQ(FindBrokenRule(box, outcome), "") << file;
  std::map<int, std::vector<Judged>> findings;
  for (const ClaimResult& claim : outcome.result.claims) {
    if (findings.count(claim.number)) continue;  // a repeated number: its first claim is judged
    for (const Finding& f : claim.findings) {
      findings[claim.number].emplace_back(std::string(FindingCodeName(f.code)), Utf8(f.term),
                                          std::string(SeverityName(f.severity)));
    }
  }
  return findings;
}

// Checks the rows of `table`; `matches` says whether a claim's finding is the row's. A row judged
// true or debatable must find its finding, and so must a known miss ("known-false": judged false,
// still given, and counted so in the README); a row judged false must not.
template <typename Matches>
void CheckTable(const std::string& table, Matches matches) {
  std::map<std::string, std::map<int, std::vector<Judged>>> byFile;
  for (const JudgedRow& row : ReadTable(table)) {
    if (!byFile.count(row.file)) byFile[row.file] = ReviewFindings(row.file);
    const std::vector<Judged>& found = byFile[row.file][row.claim];
    const bool fires = std::any_of(found.begin(), found.end(),
                                   [&](const Judged& finding) { return matches(row, finding); });
    const bool judgedFalse = row.verdict == "false";
    EXPECT_TRUE(judgedFalse || row.verdict == "true" || row.verdict == "debatable" ||
                row.verdict == "known-false")
        << table << ": verdict " << row.verdict;
    EXPECT_EQ(fires, !judgedFalse) << table << ": " << row.file << " claim " << row.claim << " "
                                   << row.code << " " << row.term << " " << row.severity << " ("
                                   << row.verdict << ")";
  }
}

TEST(JudgedCorpus, FurtherChecksFireOnTrueHitsOnly) {
  CheckTable("further_checks_judged.tsv", [](const JudgedRow& row, const Judged& finding) {
    return std::get<0>(finding) == row.code && std::get<1>(finding) == row.term;
  });
}

TEST(JudgedCorpus, SeveritiesAsJudged) {
  CheckTable("severity_judged.tsv", [](const JudgedRow& row, const Judged& finding) {
    return std::get<0>(finding) == row.code &&
           (row.term.empty() || std::get<1>(finding) == row.term) &&
           std::get<2>(finding) == row.severity;
  });
}

}  // namespace
