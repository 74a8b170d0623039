// A dependent claim's subject must be a tail of the subject of every parent found.
#include <gtest/gtest.h>

#include <string>

#include "support/TestText.h"

namespace {

std::string C(int number, std::string_view refs, std::string_view subject = "装置") {
  return CleanClaim(number, refs, subject);
}

TEST(SubjectConsistency, TailOfEveryFoundParent) {
  const std::string one = C(1, "", "信道检测装置"), mismatch = "【主题与父权不一致】";
  // clang-format off
  ExpectMarks({
      {{one, C(2, "1")}, {"", ""}}, {{one, C(2, "1", "信道检测装置")}, {"", ""}},
      {{one, C(2, "1", "方法")}, {"", mismatch}}, {{one, C(2, "1", "信道检测")}, {"", mismatch}},
      {{C(1, "", "检测装置"), C(2, "1", "信道检测装置")}, {"", mismatch}},
      // a parent without a subject disagrees with every child that has one
      {{C(1, "", "灯"), C(2, "1")}, {"【不能识别本权项主题】", mismatch}},
      {{one, C(2, "1", "灯")}, {"", "【不能识别本权项主题】"}},
      // one mark however many parents disagree; every found parent is compared, later ones too
      {{one, C(2, "1"), C(3, "1或2", "方法")}, {"", "", mismatch}},
      {{one, C(2, "1", "方法"), C(3, "1或2")}, {"", mismatch, mismatch}},
      {{one, C(2, "1"), C(3, "9或2", "方法")},
       {"", "", "【有的父权编号过大|有的父权未找到|主题与父权不一致】"}},
      {{one, C(2, "2")}, {"", "【有的父权编号过大】"}},
      {{one, C(2, "3"), C(3, "1", "方法")},
       {"", "【有的父权编号过大|主题与父权不一致】", mismatch}},
      // bytes, not characters: the trail byte of 裝 is "b"
      {{one, "2.根据权利要求1所述的裝置置，其特征在于，包括A。", C(3, "2", "b置置")},
       {"", mismatch, ""}},
  });
  // clang-format on
}

}  // namespace
