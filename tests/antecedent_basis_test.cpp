// Terms after "所述" must have a basis earlier in the claim or in four generations of ancestors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/AntecedentBasis.h"
#include "claims/ClaimRecord.h"
#include "support/TestText.h"

namespace {

TEST(AntecedentBasis, ExtractTerm) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"连接杆固定在", "连接"}, {"弹簧(3)的一端", "弹簧(3)"}, {"弹簧组件(A-1)的", "弹簧组件(A-1)"},
      {"弹簧(a_b.c)", "弹簧(a_b.c)"}, {"弹簧(3)(4)", "弹簧(3)"}, {"(弹簧)的", "(弹簧)"},
      {"一二三四五六七八九(1)", "一二三四五六七八九(1)"}, {"一二三四五六七八九十(1)", ""},
      {"的杆", ""}, {"A杆", ""}, {"杆，", ""}, {"弹包括", ""}, {"弹簧包含", "弹簧"},
      {"弹簧(3", ""}, {"弹簧(A+B)", ""}, {"弹簧(包括)", ""}, {"(3)", ""}, {"", ""},
      {"裝置", ""}, {"弹簧裝置", "弹簧"},
  };
  // clang-format on
  for (const auto& [text, term] : cases) EXPECT_EQ(Utf8(ExtractTerm(Gbk(text), 0)), term) << text;
  EXPECT_EQ(Utf8(ExtractTerm(Gbk("所述底座上"), 4)), "底座");
  EXPECT_EQ(ExtractTerm(Gbk("弹簧") + "\xB0", 0), Gbk("弹簧"));
  EXPECT_EQ(ExtractTerm("\xB5\xAF\xBB", 0), "");
}

TEST(AntecedentBasis, CountHanziAndNothingToSearch) {
  EXPECT_EQ(CountHanzi(Gbk("一种A，裝(置)")), 3);
  g_claims.Empty();
  for (int claim : {0, -1}) EXPECT_TRUE(HasAntecedent(Gbk("弹簧"), 0, claim));
  EXPECT_TRUE(HasAntecedent("", 0, 0));
}

// The last claim of each case reads "<n>.根据权利要求<refs>所述的装置，<rest>", bracketed as the
// analysis should bracket it (a check takes every bracket out first). Which texts are searched
// for a term is checked against a reference elsewhere; these are the rules of whole claims.
struct BasisCase {
  std::vector<std::string> before;  // the claims before it, UTF-8
  std::string refs, rest;
};

TEST(AntecedentBasis, WhereTermsAreLookedFor) {
  auto c = [](int number, std::string_view refs = "") { return CleanClaim(number, refs); };
  const std::string one = c(1), shellOne = "1.一种装置，包括壳体，其特征在于，包括A。";
  const std::string shell = "其特征在于，所述壳体为圆形。";
  // clang-format off
  const BasisCase cases[] = {
      // four generations up, and five
      {{shellOne, c(2, "1"), c(3, "2"), c(4, "3")}, "4", shell},
      {{shellOne, c(2, "1"), c(3, "2"), c(4, "3"), c(5, "4"), c(6, "4")}, "6",
       "其特征在于，【所述】壳体为圆形。"},
      // only after the characterising phrase, not in a claim marked "多引多"
      {{one}, "1", "包括所述弹簧。"}, {{one, c(2, "1"), c(3, "1或2")}, "1或3", shell},
      // a claim that is its own parent holds the term after its "所述"
      {{one}, "2", shell}, {{one}, "1", "其特征在于，包括A，所述"},
      // no term runs across a bracket of a claim checked before: "【所述】连接" holds no "述连"
      {{one, "2.根据权利要求1所述的装置，其特征在于，所述连接为圆形。"}, "2",
       "其特征在于，【所述】述连为圆形。"},
      {{one, "2.根据权利要求1所述的装置，其特征在于，所述连接、所述述连。"}, "2",
       "其特征在于，所述述连为圆形。"},
  };
  // clang-format on
  for (const BasisCase& k : cases) {
    std::vector<std::string> claims = k.before;
    claims.push_back(std::to_string(claims.size() + 1) + ".根据权利要求" + k.refs + "所述的装置，" +
                     k.rest);
    SCOPED_TRACE(claims.back());
    Check(GbkParagraphs(claims));
    EXPECT_EQ(TextOf(g_claims.Count() - 1), claims.back());
  }
}

}  // namespace
