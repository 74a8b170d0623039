// The judged samples of the corpus, kept as tables: the further checks keep firing on the hits a
// practitioner judged true or debatable and stay silent on the false alarms, and the severity
// rules keep giving the severity the judgement upheld. Every report of a review obeys the rules
// of every report.
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

// Checks the rows of `table`; `holds` says whether a row is upheld by a claim's findings.
template <typename Holds>
void CheckTable(const std::string& table, Holds holds) {
  std::map<std::string, std::map<int, std::vector<Judged>>> byFile;
  for (const JudgedRow& row : ReadTable(table)) {
    if (!byFile.count(row.file)) byFile[row.file] = ReviewFindings(row.file);
    const std::vector<Judged>& found = byFile[row.file][row.claim];
    EXPECT_TRUE(holds(row, found)) << table << ": " << row.file << " claim " << row.claim << " "
                                   << row.code << " " << row.term << " (" << row.verdict << ")";
  }
}

bool Upheld(const JudgedRow& row) { return row.verdict == "true" || row.verdict == "debatable"; }

TEST(JudgedCorpus, FurtherChecksFireOnTrueHitsOnly) {
  CheckTable("further_checks_judged.tsv", [](const JudgedRow& row, const auto& found) {
    const bool fires = std::any_of(found.begin(), found.end(), [&](const Judged& f) {
      return std::get<0>(f) == row.code && std::get<1>(f) == row.term;
    });
    return fires == Upheld(row);
  });
}

TEST(JudgedCorpus, SeveritiesAsJudged) {
  CheckTable("severity_judged.tsv", [](const JudgedRow& row, const auto& found) {
    if (!Upheld(row)) return true;  // a disagreement on record, not a rule to keep
    return std::any_of(found.begin(), found.end(), [&](const Judged& f) {
      return std::get<0>(f) == row.code && (row.term.empty() || std::get<1>(f) == row.term) &&
             std::get<2>(f) == row.severity;
    });
  });
}

TEST(JudgedCorpus, AntecedentBasisKeepsItsUpheldFindings) {
  CheckTable("antecedent_basis_judged.tsv", [](const JudgedRow& row, const auto& found) {
    if (!Upheld(row)) return true;  // a false alarm on record, left for the rule to outgrow
    return std::any_of(found.begin(), found.end(), [&](const Judged& f) {
      return std::get<0>(f) == row.code && std::get<1>(f) == row.term &&
             std::get<2>(f) == row.severity;
    });
  });
}

}  // namespace
