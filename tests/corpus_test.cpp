// Real claims sections: every claim paragraph reaches the report intact, and the summary agrees
// with the body it sums up (Check holds each report to the rules every report obeys). The one run
// of the corpus through the engine; the command line's test runs it through the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "GbkText.h"
#include "TestText.h"

namespace {

TEST(Corpus, ClaimParagraphsSurviveAndSummaryAgrees) {
  const std::filesystem::path dir = QUILLEX_CORPUS_DIR;
  if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".txt") continue;
    SCOPED_TRACE(entry.path().filename().string());
    std::stringstream utf8;
    utf8 << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    Check(ReplaceAll(Gbk(utf8.str()), "\n", "\r\n"));
    ++files;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
