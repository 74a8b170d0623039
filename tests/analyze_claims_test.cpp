// The report: tags, merged marks, problem numbers, set headers, summary and closing line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClaimRecord.h"
#include "TestText.h"

namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += (joined.empty() ? "" : "\r\n") + line;
  return joined;
}

TEST(AnalyzeClaims, TheCupReport) {
  EngineRun run = Check(GbkParagraphs({"权利要求书", "1. 一种杯子，其特征在于，包括杯体和杯盖。",
                                       "2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。",
                                       "4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形"}));
  EXPECT_EQ(
      run.text,
      Lines({"分析完毕，找到1套、共3条权利要求",
             "其中存在问题的权利要求有 2条（见文中的★标记），问题共有 3处（见文中的【 】标记）", "",
             "----------第1套：----------",
             "[独权1][杯子] 1.一种杯子，其特征在于，包括杯体和杯盖。", "",
             "★[Err2-1][从权2][杯子][父1;] 2.根据权利要求1所述的杯子，其特征在于，【所述】"
             "手柄为陶瓷。",
             "",
             "★[Err2-2][从权4][杯子][父1;2;]【本权编号与前不连续|缺句号】 4.根据权利要求1或"
             "2所述的杯子，其特征在于，杯盖为圆形",
             "", "------------------", "最后一条权利要求结束"}));
  EXPECT_TRUE(run.checked);
  EXPECT_FALSE(run.congratulate);
  EXPECT_TRUE(run.messages.empty());
}

TEST(AnalyzeClaims, SetsStarsAndBracketOnlyClaims) {
  EngineRun run = Analyze(
      GbkParagraphs({CleanClaim(1), "2.根据权利要求1所述的装置，其特征在于，包括A", CleanClaim(3),
                     "4.根据权利要求3所述的装置，其特征在于，所述弹簧为圆形。",
                     "5.根据权利要求1所述的装置，其特征在于，所述弹簧为圆形。"}));
  EXPECT_EQ(
      run.text,
      Lines({"分析完毕，找到2套、共5条权利要求",
             "其中存在问题的权利要求有 3条（见文中的★标记），问题共有 4处（见文中的【 】标记）", "",
             "----------第1套：----------", "[独权1][装置] " + CleanClaim(1), "",
             "★[Err3-1][从权2][装置][父1;]【缺句号】 2.根据权利要求1所述的装置，其特征在于，包括A",
             "", "----------第2套：----------", "[独权3][装置] " + CleanClaim(3), "",
             "★[Err3-2][从权4][装置][父3;] "
             "4.根据权利要求3所述的装置，其特征在于，【所述】弹簧为圆形。",
             "",
             "★[Err3-3][从权5][装置][父1;]【存在非本套的父权编号】 5.根据权利要求1所述的装置，"
             "其特征在于，【所述】弹簧为圆形。",
             "", "------------------", "最后一条权利要求结束"}));
  const int problems[] = {0, 1, 0, 1, 2};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(g_claims[i].problemCount, problems[i]) << i;
}

TEST(AnalyzeClaims, EveryMarkInOrderInOneBracket) {
  EngineRun run = Analyze(GbkParagraphs(
      {CleanClaim(1), CleanClaim(2, "1"), "4.根据权利要求4或0所述的A型，包括A；；B"}));
  ASSERT_EQ(g_claims.Count(), 3);
  EXPECT_EQ(Utf8(g_claims[2].head), "★[Err1-1][从权4][][父4;0;]");
  EXPECT_EQ(MarksOf(2),
            "【本权编号与前不连续|有的父权编号过大|有的父权未找到|存在非本套的父权编号|多引多|"
            "不能识别本权项主题|缺“其特征在于”|缺句号|存在“；；”】");
  EXPECT_EQ(g_claims[2].problemCount, 9);
  EXPECT_NE(run.text.find("有 1条（见文中的★标记），问题共有 9处"), std::string::npos);
}

TEST(AnalyzeClaims, WithoutIndependentClaimsTheBodyStandsAlone) {
  EngineRun run = Analyze(GbkParagraphs({CleanClaim(1, "1"), CleanClaim(2, "1")}));
  EXPECT_EQ(run.text, "★[Err1-1][从权1][装置][父1;]【有的父权编号过大】 " + CleanClaim(1, "1") +
                          "\r\n\r\n[从权2][装置][父1;] " + CleanClaim(2, "1") + "\r\n\r\n");
}

TEST(AnalyzeClaims, SummaryCountsRecordsNotNumbers) {
  EngineRun run = Analyze(GbkParagraphs({CleanClaim(1), CleanClaim(2, "1"), CleanClaim(5, "1")}));
  EXPECT_EQ(run.text.substr(0, run.text.find("\r\n")), "分析完毕，找到1套、共3条权利要求");
}

}  // namespace
