// The judged samples of the corpus, kept as tables: the further checks keep firing on the hits a
// practitioner judged true or debatable and stay silent on the false alarms, and the severity
// rules keep giving the severity the judgement upheld and never give one judged not to fit, but
// for the known misses the README counts, and the certain corrections make exactly the edits
// judged right. Every report of a review obeys the rules of every report.
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
// (for the fixes: the text replaced and the text put there in place of term and severity)
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

// A corpus file as the box's text (GB18030, "\r\n"), and its check with review.
struct Review {
  std::string box;
  CheckOutcome outcome;
};
std::string BoxOf(const std::string& file) {
  std::ifstream in(std::string(QUILLEX_CORPUS_DIR) + "/" + file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::string text;
  for (char c : bytes.str()) {
    if (c == '\n') text.push_back('\r');
    text.push_back(c);
  }
  return Gbk(text);
}
Review ReviewOf(const std::string& file) {
  Review review{BoxOf(file), {}};
  // The records released before the report is written change nothing of it.
  const std::string released = RunCheck(review.box, {.review = true, .keepRecords = false}).shownText;
  review.outcome = RunCheck(review.box, {.review = true});
  EXPECT_EQ(FindBrokenRule(review.box, review.outcome), "") << file;
  EXPECT_EQ(review.outcome.shownText, released) << file;
  return review;
}

// The findings (code, term, severity; UTF-8) of each claim of a corpus file checked with review.
using Judged = std::tuple<std::string, std::string, std::string>;
std::map<int, std::vector<Judged>> ReviewFindings(const std::string& file) {
  const Review review = ReviewOf(file);
  const CheckOutcome& outcome = review.outcome;
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

// Checks the rows of `table` against what `read` gives of each file; `matches` says whether a
// claim's finding (or edit) is the row's. A row judged true, debatable or right must find its
// finding, and so must a known miss ("known-false": judged false, still given, and counted so in
// the README) and a defect found; a row judged false, withheld or missed must not.
template <typename Matches, typename Read = decltype(&ReviewFindings)>
void CheckTable(const std::string& table, Matches matches, Read read = &ReviewFindings) {
  std::map<std::string, std::map<int, std::vector<Judged>>> byFile;
  for (const JudgedRow& row : ReadTable(table)) {
    if (!byFile.count(row.file)) byFile[row.file] = read(row.file);
    const std::vector<Judged>& found = byFile[row.file][row.claim];
    const bool fires = std::any_of(found.begin(), found.end(),
                                   [&](const Judged& finding) { return matches(row, finding); });
    const bool judgedFalse = row.verdict == "false" || row.verdict == "missed" ||
                             row.verdict.starts_with("withheld-");
    EXPECT_TRUE(judgedFalse || row.verdict == "true" || row.verdict == "debatable" ||
                row.verdict == "right" || row.verdict == "known-false" || row.verdict == "found")
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

// The severity rules on their own sample, and the tiers on a sample of every code at fix and
// at review.
TEST(JudgedCorpus, SeveritiesAsJudged) {
  for (const char* table : {"severity_judged.tsv", "tiers_judged.tsv"}) {
    CheckTable(table, [](const JudgedRow& row, const Judged& finding) {
      return std::get<0>(finding) == row.code &&
             (row.term.empty() || std::get<1>(finding) == row.term) &&
             std::get<2>(finding) == row.severity;
    });
  }
}

// The clear defects listed on whole files: each found one is still marked on its claim at fix or
// review by the code that covers it, and each missed one is not yet.
TEST(JudgedCorpus, WholeFilesAsJudged) {
  CheckTable("whole_files_judged.tsv", [](const JudgedRow& row, const Judged& finding) {
    const std::string& severity = std::get<2>(finding);
    return std::get<0>(finding) == row.code &&
           (row.term.empty() || std::get<1>(finding) == row.term) &&
           (severity == "fix" || severity == "review");
  });
}

// The edits (code, the user's text replaced, the text put there; UTF-8) of each claim's fixes.
std::map<int, std::vector<Judged>> FixEdits(const std::string& file) {
  const Review review = ReviewOf(file);
  std::map<int, std::vector<Judged>> edits;
  for (const ClaimResult& claim : review.outcome.result.claims) {
    for (const Finding& f : claim.findings) {
      if (!f.fix) continue;
      for (const FixEdit& edit : f.fix->edits) {
        const std::string replaced = review.box.substr(edit.source.start, edit.source.length);
        edits[claim.number].emplace_back(std::string(FindingCodeName(f.code)), Utf8(replaced),
                                         Utf8(edit.text));
      }
    }
  }
  return edits;
}

// Every edit judged right is made; the withheld ones (a rule below 98%) are not.
TEST(JudgedCorpus, FixesAsJudged) {
  CheckTable(
      "fixes_judged.tsv",
      [](const JudgedRow& row, const Judged& edit) {
        return edit == Judged{row.code, row.term, row.severity};
      },
      &FixEdits);
}

// The review's antecedent basis gives the severity judged on each finding of the sample; the
// false alarms it still gives are on record as known misses.
TEST(JudgedCorpus, AntecedentBasisAsJudged) {
  CheckTable("antecedent_basis_judged.tsv", [](const JudgedRow& row, const Judged& finding) {
    return finding == Judged{row.code, row.term, row.severity};
  });
}

}  // namespace

// A long text's review shares its work between two threads; it finds what one thread finds.
TEST(JudgedCorpus, ReviewOnTwoThreadsAsOnOne) {
  std::string box;
  for (int file = 1; box.size() < 4 * 65536; ++file) {
    box += BoxOf((file < 10 ? "000" : file < 100 ? "00" : "0") + std::to_string(file) + ".txt");
  }
  const CheckOutcome two = RunCheck(box, {.review = true});
  const CheckOutcome one = RunCheck(box, {.review = true, .sideBySide = false});
  EXPECT_EQ(two.shownText, one.shownText);
  const auto found = [](const CheckOutcome& outcome) {
    std::vector<std::tuple<int32_t, FindingCode, Severity, int32_t, std::string>> all;
    for (const ClaimResult& claim : outcome.result.claims) {
      for (const Finding& f : claim.findings) {
        all.emplace_back(claim.number, f.code, f.severity, f.textStart, f.term);
      }
    }
    return all;
  };
  EXPECT_GT(found(one).size(), 1000u);
  EXPECT_EQ(found(two), found(one));
}
