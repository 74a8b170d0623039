// The report: tags, merged marks and their order, and problem counts (Check holds every report to
// the rules of its summary, set headers, stars and closing line).
#include <gtest/gtest.h>

#include <string>

#include "CheckCommand.h"
#include "claims/ClaimRecord.h"
#include "support/ReportInvariants.h"
#include "support/TestText.h"

namespace {

TEST(AnalyzeClaims, EveryMarkInOrderInOneBracket) {
  Check(GbkParagraphs(
      {CleanClaim(1), CleanClaim(2, "1"), "4.根据权利要求4或0所述的A型，包括A；；B"}));
  ASSERT_EQ(g_claims.Count(), 3);
  EXPECT_EQ(HeadOf(2), "★[Err1-1][从权4][][父4;0;]");
  EXPECT_EQ(MarksOf(2),
            "【本权编号与前不连续|有的父权编号过大|有的父权未找到|存在非本套的父权编号|多引多|"
            "不能识别本权项主题|缺“其特征在于”|缺句号|存在“；；”】");
}

// A torn last character must not take in the first byte of the mark written after it.
TEST(AnalyzeClaims, MarkAfterATextEndingInALoneLeadByteIsCounted) {
  const std::string box = Gbk("1.一种装置，其特征在于。") + "\x81";
  const CheckOutcome outcome = RunCheck(box);
  EXPECT_EQ(FindBrokenRule(box, outcome), "");
  EXPECT_EQ(outcome.result.problems, 1);
  ASSERT_EQ(outcome.result.claims.at(0).findings.size(), 1u);
  EXPECT_EQ(outcome.result.claims[0].findings[0].code, FindingCode::kFullStopNotAtEnd);
}

}  // namespace
