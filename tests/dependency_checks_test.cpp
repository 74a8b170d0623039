// Resolving parents, multiple dependency and claim sets, as the marks on references show them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClaimRecord.h"
#include "TestText.h"

namespace {

std::string C(int number, std::string_view refs = "") { return CleanClaim(number, refs); }

struct MarksCase {
  const char* name;
  std::vector<std::string> claims;  // UTF-8 paragraphs
  std::vector<std::string> marks;   // merged marks of each record
};

void ExpectMarks(const MarksCase& c) {
  SCOPED_TRACE(c.name);
  Analyze(GbkParagraphs(c.claims));
  ASSERT_EQ(g_claims.Count(), static_cast<int>(c.marks.size()));
  for (int i = 0; i < g_claims.Count(); ++i) EXPECT_EQ(MarksOf(i), c.marks[i]) << "record " << i;
}

const std::string kTooLarge = "【有的父权编号过大】";

TEST(DependencyChecks, ParentMarks) {
  // clang-format off
  const MarksCase cases[] = {
      {"refers to itself", {C(1), C(2, "1"), C(3, "3")}, {"", "", kTooLarge}},
      {"itself or earlier", {C(1), C(2, "1"), C(3, "3或1")},
       {"", "", "【有的父权编号过大|多引多】"}},
      {"later claim", {C(1), C(2, "5"), C(3, "1"), C(4, "1"), C(5, "1")},
       {"", kTooLarge, "", "", ""}},
      {"no such claim", {C(1), C(2, "1"), C(3, "1"), C(4, "9"), C(5, "1"), C(6, "1")},
       {"", "", "", "【有的父权编号过大|有的父权未找到】", "", ""}},
      {"zero", {C(1), C(2, "0")}, {"", "【有的父权未找到|存在非本套的父权编号】"}},
      {"earlier set",
       {C(1), C(2, "1"), C(3, "1"), C(4, "1"), C(5, "1"), C(6), C(7, "2"), C(8, "6")},
       {"", "", "", "", "", "", "【存在非本套的父权编号】", ""}},
      {"forward pair", {C(1), C(2, "1"), C(3, "1或4"), C(4, "1或3")},
       {"", "", kTooLarge, "【多引多】"}},
      {"chain", {C(1), C(2, "1"), C(3, "1或2"), C(4, "3"), C(5, "4"), C(6, "1或5")},
       {"", "", "", "", "", "【多引多】"}},
      {"same number twice", {C(1), C(2, "1、01"), C(3, "1或2")}, {"", "", "【多引多】"}},
      {"two claims 4: the first counts",
       {C(1), C(2, "1"), C(3, "1"), C(4, "1或2"), C(4, "1"), C(5, "4或1")},
       {"", "", "", "", "【本权编号与前不连续】", "【多引多】"}},
      {"before any independent claim", {C(1, "0"), C(2)},
       {"【有的父权未找到|存在非本套的父权编号】", ""}},
      {"unreadable list", {C(1), C(2, "1和2"), C(3, "1或2")},
       {"", "【引用父权编号时格式有误】", ""}},
  };
  // clang-format on
  for (const MarksCase& c : cases) ExpectMarks(c);
}

TEST(DependencyChecks, SuspectedIndependentClaim) {
  const std::string one = C(1);
  // clang-format off
  const MarksCase cases[] = {
      {"names claims", {one, "2.一种设备，其特征在于，包括如权利要求1-9所述的装置。"},
       {"", "【疑似独权】"}},
      {"no full stop, one line", {one, "2.一种设备，其特征在于，包括如权利要求1所述的装置"},
       {"", "【缺句号】"}},
      {"after the full stop", {one, "2.一种设备。该设备包括权利要求1的装置。"},
       {"", "【缺“其特征在于”|多个句号】"}},
      {"on the first line", {one, "2.一种设备。该设备包括权利要求1的装置", "其特征在于，包括B。"},
       {"", "【疑似独权|多个句号】"}},
      {"second line, after the full stop",
       {one, "2.一种设备，其特征在于，包括B。", "如权利要求1所述的装置"},
       {"", "【句号未在结尾】"}},
      {"without 一种", {one, "2.设备，其特征在于，包括如权利要求1所述的装置。"}, {"", ""}},
  };
  // clang-format on
  for (const MarksCase& c : cases) ExpectMarks(c);
}

}  // namespace
