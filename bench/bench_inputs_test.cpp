// The report rules that the fuzz target enforces hold on the generated inputs, texts of shapes and
// sizes that no fuzzer reaches (their bytes and reports are pinned by report_hashes).

#include <gtest/gtest.h>

#include "BenchInputs.h"
#include "CheckCommand.h"
#include "ClaimsCodec.h"
#include "ClaimsGenerator.h"
#include "ReportInvariants.h"

namespace {

class FamilyTest : public testing::TestWithParam<Family> {};

TEST_P(FamilyTest, ReportRules) {
  const std::string box =
      ToEngineText(QString::fromUtf8(GenerateClaims(GetParam(), size_t{64} << 10, BenchCorpus())));
  EXPECT_EQ(FindBrokenRule(box, RunCheck(box)), "");
}

INSTANTIATE_TEST_SUITE_P(AllFamilies, FamilyTest, testing::ValuesIn(kFamilies),
                         [](const auto& info) {
                           std::string name(FamilyName(info.param));
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
