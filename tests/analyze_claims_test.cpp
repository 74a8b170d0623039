// The report: tags, merged marks, problem numbers, set headers, summary and closing line.
#include <gtest/gtest.h>

#include <string>

#include "ClaimRecord.h"
#include "TestText.h"

namespace {

TEST(AnalyzeClaims, TheCupReport) {
  EngineRun run = Check(GbkParagraphs({"权利要求书", "1. 一种杯子，其特征在于，包括杯体和杯盖。",
                                       "2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。",
                                       "4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形"}));
  EXPECT_EQ(run.text,
            "分析完毕，找到1套、共3条权利要求\r\n其中存在问题的权利要求有 2条（见文中的★标记），"
            "问题共有 3处（见文中的【 】标记）\r\n\r\n----------第1套：----------\r\n"
            "[独权1][杯子] 1.一种杯子，其特征在于，包括杯体和杯盖。\r\n\r\n"
            "★[Err2-1][从权2][杯子][父1;] 2.根据权利要求1所述的杯子，其特征在于，【所述】"
            "手柄为陶瓷。\r\n\r\n★[Err2-2][从权4][杯子][父1;2;]【本权编号与前不连续|缺句号】 "
            "4.根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形\r\n\r\n------------------\r\n"
            "最后一条权利要求结束");
  EXPECT_TRUE(run.checked);
  EXPECT_FALSE(run.congratulate);
  EXPECT_TRUE(run.messages.empty());
}

TEST(AnalyzeClaims, EveryMarkInOrderInOneBracket) {
  Check(GbkParagraphs(
      {CleanClaim(1), CleanClaim(2, "1"), "4.根据权利要求4或0所述的A型，包括A；；B"}));
  ASSERT_EQ(g_claims.Count(), 3);
  EXPECT_EQ(Utf8(g_claims[2].head), "★[Err1-1][从权4][][父4;0;]");
  EXPECT_EQ(MarksOf(2),
            "【本权编号与前不连续|有的父权编号过大|有的父权未找到|存在非本套的父权编号|多引多|"
            "不能识别本权项主题|缺“其特征在于”|缺句号|存在“；；”】");
}

}  // namespace
