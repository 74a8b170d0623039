// The generated inputs are what their families promise, so that the benchmarks measure what they
// say, and the report rules that the fuzz target enforces hold on texts of shapes and sizes that
// no fuzzer reaches.

#include <gtest/gtest.h>

#include <functional>

#include "BenchInputs.h"
#include "CheckCommand.h"
#include "ClaimRecord.h"
#include "ClaimsCodec.h"
#include "ClaimsGenerator.h"
#include "ReportInvariants.h"

namespace {

constexpr size_t kSmall = size_t{64} << 10;

// The claims of a generated text, checked as the command line checks it.
CheckOutcome CheckGenerated(const std::string& utf8) {
  return RunCheck(ToEngineText(QString::fromUtf8(utf8)));
}

std::vector<int32_t> Range(int32_t low, int32_t high) {
  std::vector<int32_t> numbers;
  for (int32_t n = low; n <= high; ++n) numbers.push_back(n);
  return numbers;
}

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

TEST(FamilyShapeTest, ReferencesAsTheFamiliesPromise) {
  const std::pair<Family, std::function<std::vector<int32_t>(int32_t)>> cases[] = {
      {Family::kForwardWeb, [](int32_t k) { return Range(k + 1, k + 4); }},
      {Family::kWideRanges, [](int32_t) { return Range(1, 9999); }},
      {Family::kDeepChain, [](int32_t k) { return Range(k - 1, k - 1); }},
  };
  for (const auto& [family, parentsOf] : cases) {
    CheckGenerated(GenerateClaims(family, kSmall, BenchCorpus()));
    ASSERT_GT(g_claims.Count(), 2);
    EXPECT_TRUE(g_claims[0].parentNumbers.empty());
    for (int32_t k = 2; k <= g_claims.Count(); ++k) {
      EXPECT_EQ(g_claims[k - 1].parentNumbers, parentsOf(k)) << FamilyName(family) << " " << k;
    }
  }
}

TEST(FamilyShapeTest, LongClaimHoldsNearlyAllTheText) {
  const std::string text = GenerateClaims(Family::kLongClaim, size_t{1} << 20, BenchCorpus());
  CheckGenerated(text);
  ASSERT_EQ(g_claims.Count(), 5);
  EXPECT_EQ(g_claims[4].parentNumbers, Range(1, 4));
  EXPECT_GT(g_claims[4].text.size(), text.size() / 2) << "GBK takes two thirds of UTF-8";
}

// Sections keep their own numbering after renumbering: a claim follows the one before it or opens
// a section at 1 (a few real claims open with a Latin letter and are read as no claim), and the
// references of a section stay inside it (no section has 100 claims).
TEST(FamilyShapeTest, RealisticSectionsFollowOnAndKeepTheirReferences) {
  const std::string text = GenerateClaims(Family::kRealistic, size_t{4} << 20, BenchCorpus());
  ASSERT_TRUE(CheckGenerated(text).checked);
  int restarts = 0;
  int gaps = 0;
  int outsideReferences = 0;
  int references = 0;
  for (int i = 1; i < g_claims.Count(); ++i) {
    const ClaimRecord& record = g_claims[i];
    if (record.number == 1) ++restarts;
    if (record.number != g_claims[i - 1].number + 1 && record.number != 1) ++gaps;
    for (int32_t parent : record.parentNumbers) {
      ++references;
      if (parent >= record.number || parent <= record.number - 100) ++outsideReferences;
    }
  }
  EXPECT_GE(restarts, 1) << "4 MB of real claims pass claim 9999 once";
  EXPECT_LT(gaps * 100, g_claims.Count()) << "fewer than 1% of claims out of sequence";
  EXPECT_LT(outsideReferences * 50, references) << "fewer than 2% outside their section";
}

TEST(SizeNameTest, NamesAndParsesSizes) {
  for (size_t size : kInputSizes) EXPECT_EQ(ParseSize(SizeName(size)), size);
  EXPECT_EQ(SizeName(1000), "1000");
  EXPECT_EQ(ParseSize("1000"), 1000u);
  for (const char* bad : {"", "0", "K", "12X", "-1", "1.5M"})
    EXPECT_EQ(ParseSize(bad), std::nullopt);
}

}  // namespace
