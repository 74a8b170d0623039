// Words written twice, and the characterising phrase mistyped.
#include <gtest/gtest.h>

#include "checks/further/ReferenceWording.h"
#include "checks/further/RepeatedWord.h"
#include "support/TestText.h"

namespace {

TEST(RepeatedWord, DoublingsAndThePhrase) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.根据所述所述方向信息。", "【用词重复：所述所述】"},
      {"1.设有微差压型微差压型压力变送器。", "【用词重复：微差压型微差压型】"},
      {"1.所述的的A。", "【用词重复：的的】"},
      {"1.所述A，其特征在多孔材料包括B。", "【疑似漏字：其特征在】"},
      {"1.所述A，其特性在于B。", "【疑似笔误：其特性在于】"},
      {"1.一种装置，其特征在于：其特征在于，包括A。", "【用词重复：其特征在于：其特征在于】"},
      {"1.一种装置，其特征在于，其特征在于包括A。", "【用词重复：其特征在于，其特征在于】"},
      {"1.一种装置，其特性在于其特征在于包括A。", "【用词重复：其特性在于其特征在于】"},
      {"1.一种装置，其特征在，其特征在于包括A。", "【用词重复：其特征在，其特征在于】"},
      {"1.一种装置，其特性在于其特征在包括A。", "【用词重复：其特性在于其特征在】"},
      {"1.一种装置，其特其特性在于包括A。", "【用词重复：其特其特性在于】"},
      {"1.根据权利要求1-3所述所述的装置。", "【用词重复：所述所述】"},
      {"1.加入步骤S2所述所述A。", "【用词重复：所述所述】"},
      // Legitimate doublings, chemical names among them.
      {"1.加入3-(2,3-环氧丙氧丙基)三甲氧基硅烷。", ""},
      {"1.加入双(甲基甲基)硅烷。", ""},
      {"1.在格子中填充填充物，一层一层铺设。", ""},
      {"1.所述元件的温度的温度传感器。", ""},
      {"1.所述A，其特征在于B。", ""},
  };
  for (const auto& [claim, marks] : cases) {
    EXPECT_EQ(FurtherMarks(CheckRepeatedWord, claim), marks) << claim;
  }
}

// A word of every length from two to six characters, written twice with anything from nothing
// to six characters behind it (the end of the claim's text comes at every distance from it), and
// a word of seven characters, never sought, written twice.
TEST(RepeatedWord, EveryLengthAtEveryDistanceFromTheEnd) {
  const std::string chars[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚"};
  const std::string others[] = {"子", "丑", "寅", "卯", "辰", "巳"};
  for (int length = 2; length <= 7; ++length) {
    std::string word;
    for (int i = 0; i < length; ++i) word += chars[i];
    for (int after = 0; after <= 6; ++after) {
      std::string tail;
      for (int i = 0; i < after; ++i) tail += others[i];
      const std::string marks = length <= 6 ? "【用词重复：" + word + word + "】" : "";
      EXPECT_EQ(FurtherMarks(CheckRepeatedWord, "1.设有" + word + word + tail), marks)
          << length << " " << after;
    }
  }
}

TEST(RepeatedWord, LeavesTheReferenceSlipToReferenceWording) {
  const auto both = [](const ClaimRecord& record, std::string_view text,
                       std::vector<Finding>& findings) {
    CheckReferenceWording(record, text, findings);
    CheckRepeatedWord(text, findings);
  };
  EXPECT_EQ(FurtherMarks(both, {"1.一种装置，其特征在于，A。",
                                "2.根据权利要求根据权利要求1所述的装置，B。"}),
            "【疑似引用有误：根据权利要求根据权利要求】");
}

}  // namespace
