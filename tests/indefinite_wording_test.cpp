// Words that make a claim's scope unclear.
#include <gtest/gtest.h>

#include <algorithm>

#include "CheckCommand.h"
#include "checks/further/IndefiniteWording.h"
#include "support/TestText.h"

namespace {

TEST(IndefiniteWording, WordsNumbersAndLookAlikes) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.所述A为1-5%，优选地为2%，更优选3%。", "【用语不确定：优选】【用语不确定：更优】"},
      {"1.所述A例如为B，诸如C，尤其是D，特别是E。",
       "【用语不确定：例如】【用语不确定：诸如】【用语不确定：尤其】【用语不确定：特别是】"},
      {"1.压力为约1.4bar，温度大约30℃，厚度约为5mm。",
       "【用语不确定：约】【用语不确定：大约】"},
      {"1.加热至30℃左右，保持2小时左右的时间。", "【用语不确定：左右】"},
      {"1.牵引速度为1m/min左右。", "【用语不确定：左右】"},
      {"1.密度为5kg/m^3左右，粒径10μm左右。", "【用语不确定：左右】"},
      {"1.必要时加入A或类似物。", "【用语不确定：必要时】【用语不确定：或类似物】"},
      // Look-alikes: other words made of the same characters.
      {"1.原料的配比如下：A，比例如下：B。", ""},
      {"1.求得最优解，再最优化，并优选出参数。", ""},
      {"1.预约1次，节约2元，约束A。", ""},
      {"1.位于底座(1)的左右两侧，第2层左右两端。", ""},
      {"1.位于底座(1)的左右，连接件ABCDEFGHIJ左右。", ""},
      {"1.所述A等于B。", ""},
  };
  for (const auto& [claim, marks] : cases) {
    EXPECT_EQ(FurtherMarks(CheckIndefiniteWording, claim), marks) << claim;
  }
}

// A preference or an example draws an objection as a matter of course; an open bound is a
// matter of degree.
TEST(IndefiniteWording, SeverityByKindOfWord) {
  const std::pair<std::string, Severity> cases[] = {
      {"优选", Severity::kFix},      {"最好", Severity::kFix},   {"例如", Severity::kFix},
      {"特别是", Severity::kFix},    {"必要时", Severity::kReview}, {"或类似物", Severity::kReview},
      {"约5", Severity::kReview},   {"5℃左右", Severity::kReview},
  };
  for (const auto& [words, severity] : cases) {
    const CheckOutcome outcome =
        RunCheck(Gbk("1.一种装置，其特征在于，包括A，所述A为" + words + "。"), {.review = true});
    ASSERT_EQ(outcome.result.claims.size(), 1u) << words;
    const std::vector<Finding>& findings = outcome.result.claims[0].findings;
    const auto found = std::find_if(findings.begin(), findings.end(), [](const Finding& f) {
      return f.code == FindingCode::kIndefiniteWording;
    });
    ASSERT_NE(found, findings.end()) << words;
    EXPECT_EQ(found->severity, severity) << words;
  }
}

// The walk passes over runs of characters by their bytes: a text cut off after the first byte of
// a head (as a fuzzer's bytes may be) or ending in a run of any length finds what it holds and
// reads nothing beyond its end.
TEST(IndefiniteWording, TextsEndingInARunOrAFirstByteAlone) {
  const std::string heads = Gbk("优选");
  for (int chars = 0; chars <= 5; ++chars) {
    std::string run;
    for (int i = 0; i < chars; ++i) run += Gbk("甲");
    for (const std::string& end : {std::string(), heads.substr(0, 1), Gbk("优")}) {
      const std::string text = Gbk("所述A") + heads + run + end;
      std::vector<Finding> findings;
      CheckIndefiniteWording(text, findings);
      ASSERT_EQ(findings.size(), 1u) << chars;
      EXPECT_EQ(findings[0].textStart, Size(Gbk("所述A"))) << chars;
    }
  }
}

}  // namespace
