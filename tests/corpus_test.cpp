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

// The paragraphs of the normalised text from the one that opens claim 1 on.
std::vector<std::string> ClaimParagraphs(std::string_view normalised) {
  std::vector<std::string> paragraphs;
  for (size_t begin = 0; begin <= normalised.size();) {
    size_t end = std::min(normalised.find("\r\n", begin), normalised.size());
    std::string piece(TrimAscii(normalised.substr(begin, end - begin)));
    if (!piece.empty() && (!paragraphs.empty() || ClaimStartNumber(piece) == 1)) {
      paragraphs.push_back(piece);
    }
    begin = end + 2;
  }
  return paragraphs;
}

void CheckOneFile(const fs::path& path) {
  SCOPED_TRACE(path.filename().string());
  std::stringstream utf8;
  utf8 << std::ifstream(path, std::ios::binary).rdbuf();
  const std::string box = ReplaceAll(Gbk(utf8.str()), "\n", "\r\n");
  const std::string normalised = NormalizeClaimsText(box);
  const std::vector<std::string> paragraphs = ClaimParagraphs(normalised);
  const std::string report = RunCheck(box).shownText;
  if (paragraphs.empty()) {
    EXPECT_EQ(report, normalised);
    return;
  }
  const std::string open = Gbk("【"),
                    unbracketed = ReplaceAll(ReplaceAll(report, open, ""), Gbk("】"), "");
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
    EXPECT_EQ(claim.problemCount, CountOccurrences(claim.text, open) + marks) << claim.number;
  }
  const int sets = CountOccurrences(report, Gbk("套：----------\r\n"));
  const int blocks = CountOccurrences(report, "\r\n\r\n") - (sets > 0);
  EXPECT_EQ(blocks, g_claims.Count());
  EXPECT_EQ(CountOccurrences(report, Gbk("★[Err")), problemClaims);
  if (sets == 0) return;
  EXPECT_EQ(Utf8(report.substr(0, report.find("\r\n\r\n"))),
            "分析完毕，找到" + std::to_string(sets) + "套、共" + std::to_string(blocks) +
                "条权利要求\r\n其中存在问题的权利要求有 " + std::to_string(problemClaims) +
                "条（见文中的★标记），问题共有 " + std::to_string(problems) +
                "处（见文中的【 】标记）");
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
