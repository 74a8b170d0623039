// What the front ends say of findings: the explanation naming each finding's word, and the status
// line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckCommand.h"
#include "report/FindingTexts.h"
#include "support/TestText.h"

namespace {

struct TextsCase {
  std::string box;  // UTF-8
  bool review;
  std::vector<std::string> explanations;
  std::string status;
};

TEST(FindingTexts, ExplanationsAndStatusLine) {
  const TextsCase cases[] = {
      {"1.一种杯子，其特征在于，包括杯体。\r\n2.根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。"
       "\r\n4.根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形",
       false,
       {"“手柄”缺乏引用基础", "编号与前一条权利要求不连续", "缺少句号“。”"},
       "1套 · 3条权利要求 · 2条有问题 · 问题3处    需修改 2 · 请复核 1 · 提示 0"},
      {"1.一种杯子，其特征在于，杯体优选为陶瓷；；杯盖为圆形圆形。", true,
       {"标点“；；”重复或冲突", "“优选”使保护范围不清楚", "用词重复或疑似笔误：“圆形圆形”"},
       "1套 · 1条权利要求 · 1条有问题 · 问题3处    需修改 3 · 请复核 0 · 提示 0"},
      // No independent claim: no summary, so no sets and no claims with problems.
      {"1.根据权利要求1所述的杯子，其特征在于，杯体为陶瓷。", false,
       {"所引用的权利要求编号不小于本权利要求的编号"}, "1条权利要求    需修改 1 · 请复核 0 · 提示 0"},
      {"权利要求书", false, {}, ""},
  };
  for (const TextsCase& c : cases) {
    const CheckOutcome outcome = RunCheck(Gbk(c.box), {.review = c.review});
    std::vector<std::string> explanations;
    for (const ClaimResult& claim : outcome.result.claims) {
      for (const Finding& finding : claim.findings) {
        explanations.push_back(Utf8(FindingExplanation(finding)));
      }
    }
    EXPECT_EQ(explanations, c.explanations) << c.box;
    EXPECT_EQ(Utf8(StatusLine(outcome.result)), c.status) << c.box;
  }
}

// A finding without its word is still explained, without the quotation.
TEST(FindingTexts, WithoutTheWord) {
  Finding finding;
  finding.code = FindingCode::kAntecedent;
  EXPECT_EQ(Utf8(FindingExplanation(finding)), "缺乏引用基础");
}

}  // namespace
