// Real claims sections: every claim paragraph reaches the report intact, and the summary agrees
// with the body it sums up (Check holds each report to the rules every report obeys).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "GbkText.h"
#include "TestText.h"

namespace {

TEST(Corpus, ClaimParagraphsSurviveAndSummaryAgrees) {
  const std::filesystem::path dir = QUILLEX_CORPUS_DIR;
  if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
  std::set<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() == ".txt") files.insert(entry.path());
  }
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    SCOPED_TRACE(file.filename().string());
    std::stringstream utf8;
    utf8 << std::ifstream(file, std::ios::binary).rdbuf();
    Check(ReplaceAll(Gbk(utf8.str()), "\n", "\r\n"));
  }
}

}  // namespace
