// Round brackets without their partner.
#include <gtest/gtest.h>

#include "support/TestText.h"
#include "checks/further/UnbalancedBrackets.h"

namespace {

TEST(UnbalancedBrackets, StrayAndUnclosed) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.所述弹簧(3连接A。", "【括号不成对：(】"},
      {"1.所述弹簧(3)连接(A(B)。", "【括号不成对：(】"},
      {"1.含量为5wt%)的A。", "【括号不成对：)】"},
      {"1.所述弹簧(3)与（4）连接，取值[0,1)。", ""},
      // List labels close nothing.
      {"1.包括以下步骤：a)将A加入；b)加热；S1)冷却；步骤121)过滤。", ""},
  };
  for (const auto& [claim, marks] : cases) {
    EXPECT_EQ(FurtherMarks(CheckUnbalancedBrackets, claim), marks) << claim;
  }
}

// Runs of Chinese characters are passed over several characters at a time: a bracket after a run
// of any length, and so at any place within those steps, is still seen.
TEST(UnbalancedBrackets, AfterRunsOfEveryLength) {
  for (int chars = 1; chars <= 12; ++chars) {
    std::string run;
    for (int i = 0; i < chars; ++i) run += "甲";
    EXPECT_EQ(FurtherMarks(CheckUnbalancedBrackets, "1." + run + "(3连接A。"), "【括号不成对：(】")
        << chars;
    EXPECT_EQ(FurtherMarks(CheckUnbalancedBrackets, "1." + run + "5%)连接A。"), "【括号不成对：)】")
        << chars;
    EXPECT_EQ(FurtherMarks(CheckUnbalancedBrackets, "1.所述" + run + "(3)连接" + run + "A。"), "")
        << chars;
  }
}

}  // namespace
