// Terms after "所述" must have a basis earlier in the claim or in four generations of ancestors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AntecedentBasis.h"
#include "ClaimRecord.h"
#include "TestText.h"

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

TEST(AntecedentBasis, CountHanziStopCharactersAndNothingToSearch) {
  EXPECT_EQ(CountHanzi(Gbk("一种A，裝(置)")), 3);
  EXPECT_EQ(g_termStopChars, Gbk("的是为还有在和或与以将及当所由而至跟只又再于使让可到则"));
  g_claims.Empty();
  for (int claim : {0, -1}) EXPECT_TRUE(HasAntecedent(Gbk("弹簧"), 0, claim));
  EXPECT_TRUE(HasAntecedent("", 0, 0));
}

// The texts are given as the analysis should bracket them: a check takes every bracket out first.
TEST(AntecedentBasis, BracketsLandAroundUnsupportedTerms) {
  const std::vector<std::string> claims = {
      "1、一种连接装置，包括底座和连接杆，其特征在于，所述连接杆固定在所述底座上。",
      "2、根据权利要求1所述的连接装置，其特征在于，【所述】弹簧套设在所述连接杆上。",
      "3、根据权利要求2所述的连接装置，其特征在于，【所述弹簧(3)】的一端抵接【所述底座(1)】。",
      "4、根据权利要求3所述的连接装置，其特征在于，所述弹簧(3)与【所述】第一支架连接，"
      "所述第一支架包括横梁。"};
  Check(GbkParagraphs(claims));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(TextOf(i), claims[i]);
}

// The last claim of each case reads "<n>.根据权利要求<refs>所述的装置，<rest>", bracketed as the
// analysis should bracket it.
struct BasisCase {
  std::vector<std::string> before;  // the claims before it, UTF-8
  std::string refs, rest;
};

TEST(AntecedentBasis, WhereTermsAreLookedFor) {
  auto c = [](int number, std::string_view refs = "") { return CleanClaim(number, refs); };
  const std::string one = c(1), shellOne = "1.一种装置，包括壳体，其特征在于，包括A。";
  const std::string shell = "其特征在于，所述壳体为圆形。",
                    marked = "其特征在于，【所述】壳体为圆形。";
  // clang-format off
  const BasisCase cases[] = {
      // four generations up, and five
      {{shellOne, c(2, "1"), c(3, "2"), c(4, "3")}, "4", shell},
      {{shellOne, c(2, "1"), c(3, "2"), c(4, "3"), c(5, "4"), c(6, "4")}, "6", marked},
      {{one, "2.根据权利要求1所述的装置，其特征在于，包括壳体。", c(3, "1"), c(4, "3")}, "4或2",
       shell},
      // only after the characterising phrase, not in a claim marked "多引多"
      {{one}, "1", "包括所述弹簧。"}, {{one}, "1", "所述弹簧，其特征在于，包括B。"},
      {{one, c(2, "1"), c(3, "1或2")}, "1或3", shell},
      // a claim that is its own parent or grandparent holds the term after its "所述"
      {{one}, "2", shell}, {{one, c(2, "3")}, "1或2", "其特征在于，所述支架与支架相连。"},
      {{one}, "1", "其特征在于，包括A，所述"},
      {{one}, "1", "其特征在于，【所述】支架与支架相连。"},
      {{one}, "1", "包括弹簧(3)，其特征在于，所述弹簧(3)为圆形。"},
      {{one}, "1", "其特征在于，【所述】弹簧的一端与所述弹簧相连。"},
      // "壳体" is spelt by bytes across "翱翘濉"
      {{"1.一种装置，其特征在于，包括翱翘濉。"}, "1", marked},
      {{one}, "1", "其特征在于，翱翘濉，【所述】壳体为圆形。"},
      {{one}, "1", "其特征在于，【所述一二三四五六七八九(1)】与【所述弹簧组件(A-1)】相连。"},
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

// A pasted web of forward references: every claim refers to the next forty, so a walk that
// visits an ancestor once per path would search each term some 2.6 million times. Claim 2 also
// asks for words that stand in claim 100 (three generations up), in claim 200 (five generations
// up) and in claim 1 (no ancestor of claim 2).
TEST(AntecedentBasis, DenseWebOfForwardReferences) {
  const int kClaims = 300, kFanOut = 40;
  const std::string chars = "甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥金木水火土东西南北";
  auto letter = [&chars](int k) { return chars.substr(k % 31 * 3, 3); };  // 3 bytes in UTF-8
  std::vector<std::string> claims;
  for (int k = 1, term = 0; k <= kClaims; ++k) {
    const int last = std::min(k + kFanOut, kClaims);
    const std::string refs = k == kClaims    ? "1"
                             : last == k + 1 ? std::to_string(last)
                                             : std::to_string(k + 1) + "～" + std::to_string(last);
    std::string claim = std::to_string(k) +
                        (k == 1 ? ".一种装置" : ".根据权利要求" + refs + "所述的装置") +
                        "，其特征在于";
    for (int j = 0; j < 3; ++j, ++term) {
      claim += "，所述" + letter(term / 31) + letter(term) + "的A";
    }
    if (k == 2) claim += "，所述青龙的A，所述白虎的A，所述朱雀的A";
    if (k == 1 || k == 200) claim += k == 1 ? "，朱雀" : "，白虎";
    claims.push_back(claim + (k == 100 ? "，青龙" : "。"));  // a word at the very end, no full stop
  }
  EngineRun run = Check(GbkParagraphs(claims));
  ASSERT_EQ(g_claims.Count(), kClaims);
  EXPECT_EQ(TextOf(1), claims[1].substr(0, claims[1].find("，其特征在于")) +
                           "，其特征在于，【所述】甲丁的A，【所述】甲戊的A，【所述】甲己的A，"
                           "所述青龙的A，【所述】白虎的A，【所述】朱雀的A。");
  EXPECT_EQ(run.text.substr(0, run.text.find("\r\n\r\n")),
            "分析完毕，找到1套、共300条权利要求\r\n其中存在问题的权利要求有 300条（见文中的★"
            "标记），问题共有 1201处（见文中的【 】标记）");
}

// Once a long text has been searched a few times over, its searches go through an index, which
// must match only at character boundaries ("翱翘濉" spells 壳体 across its characters) and up to
// the very end of the text.
TEST(AntecedentBasis, LongClaims) {
  std::string filler;
  for (int i = 0; i < 500; ++i) filler += "甲乙丙丁戊己庚辛";
  const std::vector<std::string> claims = {
      "1.一种装置，其特征在于，包括翱翘濉，" + filler + "，横梁",
      "2."
      "根据权利要求1所述的装置，其特征在于，【所述】支架与【所述】底座与【所述】立柱与【所述】弹簧"
      "与"
      "【所述】连杆与【所述】壳体与所述横梁相连。"};
  Check(GbkParagraphs(claims));
  EXPECT_EQ(TextOf(1), claims[1]);
}

}  // namespace
