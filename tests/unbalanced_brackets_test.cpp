// Round brackets without their partner.
#include <gtest/gtest.h>

#include "support/TestText.h"
#include "checks/further/UnbalancedBrackets.h"

namespace {

TEST(UnbalancedBrackets, StrayAndUnclosed) {
  ExpectFurtherMarks(CheckUnbalancedBrackets, {
      {"1.所述弹簧(3连接A。", "【括号不成对：(】"},
      {"1.所述弹簧(3)连接(A(B)。", "【括号不成对：(】"},
      {"1.含量为5wt%)的A。", "【括号不成对：)】"},
      {"1.所述弹簧(3)与（4）连接，取值[0,1)。", ""},
      // List labels close nothing.
      {"1.包括以下步骤：a)将A加入；b)加热；S1)冷却；步骤121)过滤。", ""},
  });
}

}  // namespace
