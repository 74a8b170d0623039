// The check as the user starts it: normalising the box's text, then analysing it.
#include <gtest/gtest.h>

#include <string>

#include "CheckCommand.h"
#include "ClaimRecord.h"
#include "TestText.h"

namespace {

TEST(CheckCommand, Normalisation) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {" 1. 一种\t装置 , 其特征在于:A．（1）【x】 \r\n", "1.一种装置，其特征在于：A.(1)x"},
      {"　A;B１Ａ. 。", "　A;B１Ａ.。"}, {"【 】\r\n1.一种", "\r\n1.一种"}, {"A\v B\f", "A\vB"},
      {"a, ,b::", "a，，b：："},
      {"啊京啊壳（", "啊京啊壳("},  // "【" and "】" across two characters stay
      {"", ""},
  };
  // clang-format on
  for (const auto& [box, normalised] : cases) {
    EXPECT_EQ(Utf8(NormalizeClaimsText(Gbk(box))), normalised) << box;
  }
}

TEST(CheckCommand, EmptyBox) {
  for (const char* box : {"", " \r\n\t "}) {
    EngineRun run = Check(box);
    EXPECT_EQ(run.text, "");
    EXPECT_TRUE(run.messages.empty());
    EXPECT_FALSE(run.checked || run.congratulate);
  }
}

TEST(CheckCommand, WithoutClaimOneTheNormalisedTextComesBack) {
  EngineRun run = Check(GbkParagraphs({"权利要求书", "2. 一种装置, 包括A"}));
  EXPECT_EQ(run.text, "权利要求书\r\n2.一种装置，包括A");
  EXPECT_EQ(run.messages, std::vector<std::string>{"未找到权1 ?\n\n 请检查"});
  EXPECT_FALSE(run.checked || run.congratulate);
  EXPECT_EQ(g_claims.Count(), 0);

  run = Check(Gbk(" 显示署名 "));
  EXPECT_EQ(run.text, "显示署名");
  ASSERT_EQ(run.messages.size(), 2u);
  EXPECT_FALSE(run.messages[0].empty());
  EXPECT_EQ(run.messages[1], "未找到权1 ?\n\n 请检查");
}

TEST(CheckCommand, CongratulationNeedsASummaryWithoutProblems) {
  EngineRun clean = Check(GbkParagraphs({CleanClaim(1), CleanClaim(2, "1")}));
  EXPECT_TRUE(clean.checked && clean.congratulate);
  EXPECT_NE(clean.text.find("问题共有 0处"), std::string::npos);
  EXPECT_TRUE(clean.messages.empty());

  EngineRun dependentOnly = Check(GbkParagraphs({CleanClaim(1, "2"), CleanClaim(2, "1")}));
  EXPECT_TRUE(dependentOnly.checked);
  EXPECT_FALSE(dependentOnly.congratulate);

  EngineRun problem = Check(GbkParagraphs({CleanClaim(1), CleanClaim(3, "1")}));
  EXPECT_TRUE(problem.checked);
  EXPECT_FALSE(problem.congratulate);
}

TEST(CheckCommand, CheckingAReportAgainFindsNoClaimOne) {
  const std::string box = GbkParagraphs({CleanClaim(1), CleanClaim(3, "1")});
  EngineRun first = Check(box);
  EXPECT_EQ(Check(box).text, first.text);  // nothing is left over from the first run
  EngineRun second = Check(Gbk(first.text));
  EXPECT_EQ(second.messages.size(), 1u);
  EXPECT_FALSE(second.checked);
  EXPECT_EQ(second.text.find("【"), std::string::npos);
  EXPECT_EQ(second.text.find(' '), std::string::npos);
  EXPECT_NE(second.text.find("[从权3][装置][父1;]本权编号与前不连续3.根据"), std::string::npos);
}

}  // namespace
