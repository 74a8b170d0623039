// Step labels read from a claim's text: labels of steps, references to them, and what is neither.
#include <gtest/gtest.h>

#include "checks/further/StepLabels.h"
#include "support/TestText.h"

namespace {

// Each label as "<label>:<value><o|r>", o for one that opens its step, r for one that refers.
std::string Labels(const std::string& claim) {
  const std::string text = Gbk(claim);
  std::string shown;
  for (const StepLabel& label : ReadStepLabels(text)) {
    if (!shown.empty()) shown += " ";
    shown += Utf8(text.substr(label.start, label.length)) + ":" + std::to_string(label.value) +
             (label.opensStep ? "o" : "r");
  }
  return shown;
}

TEST(StepLabels, LabelsReferencesAndLookAlikes) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.一种方法，包括：S1、取A；S2，将S1得到的B；S21：混合。",
       "S1:1o S2:2o S1:1r S21:21o"},
      {"1.一种方法，包括：步骤S1、取A；步骤S2中，加热。", "步骤S1:1o 步骤S2:2r"},
      {"1.一种方法，包括：(1)取A；(2)将底座(1)与B连接。", "(1):1o (2):2o"},
      {"1.一种方法，包括：步骤一：取A；步骤二，加热；步骤十二：冷却。",
       "步骤一:1o 步骤二:2o 步骤十二:12o"},
      {"1.一种方法，包括：第一步：取A；第二步骤：将第一连接件与第二层连接。",
       "第一步:1o 第二步骤:2o"},
      {"1.一种方法，包括：1)取A；2、加热到0.5mm；图2)所示。", "1:1o 2:2o"},
      {"2.根据权利要求1所述的方法，其特征在于，还包括步骤(5)：冷却；所述步骤(3)中加热。",
       "步骤(5):5o 步骤(3):3r"},
      {"1.一种方法，包括步骤1、取A；步骤2、拆除，包括：步骤2.1、敲击；S2-1：卸下。",
       "步骤1:1o 步骤2:2o"},
      {"1.一种ABS1材料，由2S1和S123456组成。", ""},
  };
  for (const auto& [claim, labels] : cases) EXPECT_EQ(Labels(claim), labels) << claim;
}

}  // namespace
