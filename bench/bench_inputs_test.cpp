// The generated inputs reach their sizes (their bytes and reports are pinned by report_hashes),
// and the report rules that the fuzz target enforces hold on texts of shapes and sizes that
// no fuzzer reaches.

#include <gtest/gtest.h>

#include "BenchInputs.h"
#include "CheckCommand.h"
#include "ClaimsCodec.h"
#include "ClaimsGenerator.h"
#include "ReportInvariants.h"

namespace {

constexpr size_t kSmall = size_t{64} << 10;

class FamilyTest : public testing::TestWithParam<Family> {};

// Each family reaches the size asked for and stops soon after, the largest size too (short
// claims must get there before claim 9999); the seed changes the text (the same seed giving the
// same bytes is what report_hashes holds); and its reports keep the rules of every report.
TEST_P(FamilyTest, SizeSeedAndReportRules) {
  for (size_t target : {kSmall, size_t{8} << 20}) {
    const size_t size = GenerateClaims(GetParam(), target, BenchCorpus()).size();
    EXPECT_GE(size, target);
    EXPECT_LT(size, target + 20000) << "one claim or paragraph at most beyond the target";
  }
  const std::string text = GenerateClaims(GetParam(), kSmall, BenchCorpus());
  EXPECT_NE(text, GenerateClaims(GetParam(), kSmall, BenchCorpus(), kDefaultSeed + 1));
  const std::string box = ToEngineText(QString::fromUtf8(text));
  EXPECT_EQ(FindBrokenRule(box, RunCheck(box)), "");
}

INSTANTIATE_TEST_SUITE_P(AllFamilies, FamilyTest, testing::ValuesIn(kFamilies),
                         [](const auto& info) {
                           std::string name(FamilyName(info.param));
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
