// The generated inputs are what their families promise, and the report rules that the fuzz target
// enforces hold on them and on every text of the corpus.

#include <gtest/gtest.h>

#include <set>

#include "BenchInputs.h"
#include "CheckCommand.h"
#include "ClaimRecord.h"
#include "ClaimsCodec.h"
#include "ClaimsGenerator.h"
#include "ReportInvariants.h"

namespace {

constexpr size_t kSmall = size_t{64} << 10;

// Checks `utf8` as the command line does and returns the rule it breaks, "" when none.
std::string CheckAndFindBrokenRule(const std::string& utf8) {
  const std::string box = ToEngineText(QString::fromUtf8(utf8));
  return FindBrokenRule(box, RunCheck(box));
}

std::vector<int32_t> Range(int32_t low, int32_t high) {
  std::vector<int32_t> numbers;
  for (int32_t n = low; n <= high; ++n) numbers.push_back(n);
  return numbers;
}

class FamilyTest : public testing::TestWithParam<Family> {};

TEST_P(FamilyTest, SameBytesForTheSameSeedOthersForAnother) {
  const std::string text = GenerateClaims(GetParam(), kSmall, BenchCorpus());
  EXPECT_EQ(text, GenerateClaims(GetParam(), kSmall, BenchCorpus()));
  EXPECT_NE(text, GenerateClaims(GetParam(), kSmall, BenchCorpus(), kDefaultSeed + 1));
}

TEST_P(FamilyTest, ReachesTheSizeAndStopsSoonAfter) {
  for (size_t target : {kSmall, size_t{1} << 20}) {
    const size_t size = GenerateClaims(GetParam(), target, BenchCorpus()).size();
    EXPECT_GE(size, target);
    EXPECT_LT(size, target + 20000) << "one claim or paragraph at most beyond the target";
  }
}

TEST_P(FamilyTest, ReportsKeepTheirRules) {
  EXPECT_EQ(CheckAndFindBrokenRule(GenerateClaims(GetParam(), kSmall, BenchCorpus())), "");
}

TEST_P(FamilyTest, EightMegabytesStayWithinClaimNumbers) {
  const std::string box =
      ToEngineText(QString::fromUtf8(GenerateClaims(GetParam(), size_t{8} << 20, BenchCorpus())));
  ASSERT_TRUE(RunCheck(box).checked);
  for (const ClaimRecord& record : g_claims) {
    ASSERT_GE(record.number, 1);
    ASSERT_LE(record.number, 9999);
  }
}

INSTANTIATE_TEST_SUITE_P(AllFamilies, FamilyTest, testing::ValuesIn(kFamilies),
                         [](const auto& info) {
                           std::string name(FamilyName(info.param));
                           std::erase(name, '-');
                           return name;
                         });

// Checks a generated text and returns its claims' parent numbers by position.
std::vector<std::vector<int32_t>> ParentsOf(Family family) {
  RunCheck(ToEngineText(QString::fromUtf8(GenerateClaims(family, kSmall, BenchCorpus()))));
  std::vector<std::vector<int32_t>> parents;
  for (const ClaimRecord& record : g_claims) parents.push_back(record.parentNumbers);
  return parents;
}

TEST(FamilyShapeTest, ForwardWebRefersToTheNextFourClaims) {
  const auto parents = ParentsOf(Family::kForwardWeb);
  ASSERT_GT(parents.size(), 10u);
  EXPECT_TRUE(parents[0].empty());
  for (int32_t k = 2; k <= static_cast<int32_t>(parents.size()); ++k) {
    EXPECT_EQ(parents[k - 1], Range(k + 1, k + 4)) << "claim " << k;
  }
}

TEST(FamilyShapeTest, WideRangesReferToEveryNumber) {
  const auto parents = ParentsOf(Family::kWideRanges);
  ASSERT_GT(parents.size(), 2u);
  for (size_t i = 1; i < parents.size(); ++i) EXPECT_EQ(parents[i], Range(1, 9999));
}

TEST(FamilyShapeTest, DeepChainRefersToTheClaimBefore) {
  const auto parents = ParentsOf(Family::kDeepChain);
  ASSERT_GT(parents.size(), 10u);
  for (int32_t k = 2; k <= static_cast<int32_t>(parents.size()); ++k) {
    EXPECT_EQ(parents[k - 1], std::vector<int32_t>{k - 1}) << "claim " << k;
  }
}

TEST(FamilyShapeTest, LongClaimHoldsNearlyAllTheText) {
  const std::string text = GenerateClaims(Family::kLongClaim, size_t{1} << 20, BenchCorpus());
  RunCheck(ToEngineText(QString::fromUtf8(text)));
  ASSERT_EQ(g_claims.Count(), 5);
  EXPECT_EQ(g_claims[4].parentNumbers, Range(1, 4));
  EXPECT_GT(g_claims[4].text.size(), text.size() / 2) << "GBK takes two thirds of UTF-8";
}

// Sections keep their own numbering after renumbering: a claim follows the one before it or opens
// a section at 1 (a few real claims open with a Latin letter and are read as no claim), and the
// references of a section stay inside it (no section has 100 claims).
TEST(FamilyShapeTest, RealisticSectionsFollowOnAndKeepTheirReferences) {
  const std::string text = GenerateClaims(Family::kRealistic, size_t{4} << 20, BenchCorpus());
  ASSERT_TRUE(RunCheck(ToEngineText(QString::fromUtf8(text))).checked);
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

TEST(CorpusTest, EveryTextKeepsTheReportRules) {
  ASSERT_FALSE(BenchCorpus().empty());
  for (const std::string& text : BenchCorpus()) {
    ASSERT_EQ(CheckAndFindBrokenRule(text), "") << text.substr(0, 200);
  }
}

TEST(SizeNameTest, NamesAndParsesSizes) {
  for (size_t size : kInputSizes) EXPECT_EQ(ParseSize(SizeName(size)), size);
  EXPECT_EQ(SizeName(1000), "1000");
  EXPECT_EQ(ParseSize("1000"), 1000u);
  for (const char* bad : {"", "0", "K", "12X", "-1", "1.5M"})
    EXPECT_EQ(ParseSize(bad), std::nullopt);
}

}  // namespace
