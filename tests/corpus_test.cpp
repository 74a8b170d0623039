// Real claims sections: every claim paragraph reaches the report intact, and the summary agrees
// with the body it sums up.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CheckCommand.h"
#include "ClaimNumbering.h"
#include "ClaimRecord.h"
#include "GbkText.h"
#include "TestText.h"

namespace {

namespace fs = std::filesystem;

const std::string kOpen = Gbk("【");
const std::string kClose = Gbk("】");

std::string ReadBox(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream utf8;
  utf8 << in.rdbuf();
  return ReplaceAll(Gbk(utf8.str()), "\n", "\r\n");
}

// The paragraphs of the normalised text from the one that opens claim 1 on.
std::vector<std::string> ClaimParagraphs(const std::string& normalised) {
  std::vector<std::string> paragraphs;
  size_t begin = 0;
  while (begin <= normalised.size()) {
    size_t end = std::min(normalised.find("\r\n", begin), normalised.size());
    std::string piece(TrimAscii(std::string_view(normalised).substr(begin, end - begin)));
    if (!piece.empty() && (!paragraphs.empty() || ClaimStartNumber(piece) == 1)) {
      paragraphs.push_back(piece);
    }
    begin = end + 2;
  }
  return paragraphs;
}

// The summary's four numbers: sets, claims, problem claims, problems.
std::vector<int> SummaryNumbers(const std::string& report) {
  std::vector<int> numbers;
  std::string summary = report.substr(0, report.find("\r\n\r\n"));
  for (size_t i = 0; i < summary.size(); ++i) {
    if (!IsAsciiDigit(summary[i]) || (i > 0 && IsAsciiDigit(summary[i - 1]))) continue;
    numbers.push_back(std::stoi(summary.substr(i)));
  }
  return numbers;
}

void CheckOneFile(const fs::path& path) {
  SCOPED_TRACE(path.filename().string());
  std::string box = ReadBox(path);
  std::string normalised = NormalizeClaimsText(box);
  std::vector<std::string> paragraphs = ClaimParagraphs(normalised);
  std::string report = RunCheck(box).shownText;
  if (paragraphs.empty()) {
    EXPECT_EQ(report, normalised);
    return;
  }

  std::string unbracketed = ReplaceAll(ReplaceAll(report, kOpen, ""), kClose, "");
  size_t at = 0;
  for (const std::string& paragraph : paragraphs) {
    at = unbracketed.find(paragraph, at);
    ASSERT_NE(at, std::string::npos) << Utf8(paragraph);
    at += paragraph.size();
  }

  int problemClaims = 0, problems = 0;
  for (const ClaimRecord& claim : g_claims) {
    problemClaims += claim.problemCount > 0;
    problems += claim.problemCount;
    // each problem is one bracket in the text or one mark of the merged bracket
    int marks = claim.marks.empty() ? 0 : 1 + CountOccurrences(claim.marks, "|");
    EXPECT_EQ(claim.problemCount, CountOccurrences(claim.text, kOpen) + marks) << claim.number;
  }
  int sets = CountOccurrences(report, Gbk("套：----------\r\n"));
  int blocks = CountOccurrences(report, "\r\n\r\n");
  if (sets == 0) {
    EXPECT_EQ(blocks, g_claims.Count());
  } else {
    EXPECT_EQ(SummaryNumbers(report),
              (std::vector<int>{sets, blocks - 1, problemClaims, problems}));
  }
  EXPECT_EQ(CountOccurrences(report, Gbk("★[Err")), problemClaims);
}

TEST(Corpus, ClaimParagraphsSurviveAndSummaryAgrees) {
  const fs::path dir = QUILLEX_CORPUS_DIR;
  if (!fs::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty());
  for (const fs::path& file : files) CheckOneFile(file);
}

}  // namespace
