// The numbering of a method claim's steps.
#include <gtest/gtest.h>

#include "checks/further/StepNumbering.h"
#include "support/TestText.h"

namespace {

TEST(StepNumbering, LabelsThatSkipOrRepeat) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.一种方法，包括：(1)取A；(2)加热；(3)混合；(7)冷却；(10)包装。",
       "【步骤编号不连续：(7)】【步骤编号不连续：(10)】"},
      {"1.一种方法，包括：第一步：取A；第二步：加热；第四步：冷却。", "【步骤编号不连续：第四步】"},
      {"1.一种方法，包括：S1、取A；S2、加热；S2、冷却。", "【步骤编号不连续：S2】"},
      {"1.一种方法，包括：步骤一、取A；步骤三、冷却。", "【步骤编号不连续：三】"},
      // Lists within a step, a list that opens past one, and numbering by codes.
      {"1.一种方法，包括：(1)取A，包括：(1)称量；(2)研磨；(2)加热；(3)混合。", ""},
      {"1.一种方法，包括：S1、取A；S2、加热：S21、升温；S22、保温；S3、冷却。", ""},
      {"1.一种方法，包括：S10、取A；S20、加热；S30、冷却；S31、保温。", ""},
      {"1.一种方法，包括：S101、取A；S102、加热。", ""},
      {"1.一种方法，包括：S9、取A；S10、加热。", ""},
      {"1.一种方法，包括：第一步：取A；第二步：加热；甲：第三步：冷却；第四步：包装；乙：第三步：烘干。",
       ""},
      {"1.一种方法，包括：步骤(1)确定A；步骤(2)加热；步骤(2)中温度为5℃；步骤(4)冷却。",
       "【步骤编号不连续：(4)】"},
      {"1.一种方法，包括：步骤S1：取A；步骤S2：加热；其中，步骤S1在步骤S2之前执行。", ""},
      {"2.根据权利要求1所述的方法，其特征在于，还包括：(4)冷却；(5)包装。", ""},
  };
  for (const auto& [claim, marks] : cases) {
    EXPECT_EQ(FurtherMarks(CheckStepNumbering, {"1.一种方法，其特征在于，包括A。", claim}), marks)
        << claim;
  }
}

TEST(StepNumbering, StepsReferredToThatNoClaimDefines) {
  const std::string method = "1.一种方法，其特征在于，包括：(1)取A；(2)加热；(3)冷却。";
  ExpectFurtherMarks(CheckStepNumbering, {
      {{method, "2.根据权利要求1所述的方法，其特征在于，所述步骤(5)中温度为5℃。"},
       "【步骤未定义：步骤(5)】"},
      {{method, "2.根据权利要求1所述的方法，其特征在于，所述步骤(2)中温度为5℃。"}, ""},
      // Defined by a claim further up, or in the claim itself.
      {{method, "2.根据权利要求1所述的方法，其特征在于，还包括：(4)包装。",
        "3.根据权利要求2所述的方法，其特征在于，所述步骤(4)中用纸。"},
       ""},
      {{method, "2.根据权利要求1所述的方法，其特征在于，还包括步骤S4：包装；步骤S4中用纸。"}, ""},
      // Claims whose steps may be in a claim not read as a parent.
      {{method, "2.一种产品，由权利要求1所述的方法制得，其中步骤(5)中用纸。"}, ""},
      {{"1.一种方法，包括A。", "2.根据权利要求所述的方法，所述步骤(5)中用纸。"}, ""},
  });
}

}  // namespace
