// Resolving parents, multiple dependency and claim sets, as the marks on references show them.
#include <gtest/gtest.h>

#include <string>

#include "support/TestText.h"

namespace {

std::string C(int number, std::string_view refs = "") { return CleanClaim(number, refs); }

TEST(DependencyChecks, ParentAndSuspectedIndependentMarks) {
  const std::string tooLarge = "【有的父权编号过大】";
  // clang-format off
  ExpectMarks({
      {{C(1), C(2, "2")}, {"", tooLarge}},
      // a self-reference reads the claim's own multiple reference
      {{C(1), C(2, "1"), C(3, "3或1")}, {"", "", "【有的父权编号过大|多引多】"}},
      {{C(1), C(2, "9")}, {"", "【有的父权编号过大|有的父权未找到】"}},
      {{C(1), C(2, "0")}, {"", "【有的父权未找到|存在非本套的父权编号】"}},
      {{C(1), C(2, "1"), C(3), C(4, "2"), C(5, "3")}, {"", "", "", "【存在非本套的父权编号】", ""}},
      // a forward reference propagates nothing
      {{C(1), C(2, "1"), C(3, "1或4"), C(4, "1或3")}, {"", "", tooLarge, "【多引多】"}},
      {{C(1), C(2, "1"), C(3, "1或2"), C(4, "3"), C(5, "4"), C(6, "1或5")},
       {"", "", "", "", "", "【多引多】"}},
      {{C(1), C(2, "1、01"), C(3, "1或2")}, {"", "", "【多引多】"}},
      // of two claims 4, the first is the parent
      {{C(1), C(2, "1"), C(3, "1"), C(4, "1或2"), C(4, "1"), C(5, "4或1")},
       {"", "", "", "", "【本权编号与前不连续】", "【多引多】"}},
      // before any independent claim, the set is claim 1's
      {{C(1, "0"), C(2)}, {"【有的父权未找到|存在非本套的父权编号】", ""}},
      {{C(1), C(2, "1和2"), C(3, "1或2")}, {"", "【引用父权编号时格式有误】", ""}},
      // suspected independent claims: "一种" first and "权利要求" before the first full stop or
      // line break
      {{C(1), "2.一种设备，其特征在于，包括如权利要求1-9所述的装置。"}, {"", "【疑似独权】"}},
      {{C(1), "2.一种设备，其特征在于，包括如权利要求1所述的装置"}, {"", "【缺句号】"}},
      {{C(1), "2.一种设备。该设备包括权利要求1的装置。"}, {"", "【缺“其特征在于”|多个句号】"}},
      {{C(1), "2.一种设备。该设备包括权利要求1的装置", "其特征在于，包括B。"},
       {"", "【疑似独权|多个句号】"}},
      {{C(1), "2.一种设备，其特征在于，包括B。", "如权利要求1所述的装置"},
       {"", "【句号未在结尾】"}},
      {{C(1), "2.设备，其特征在于，包括如权利要求1所述的装置。"}, {"", ""}},
  });
  // clang-format on
}

}  // namespace
