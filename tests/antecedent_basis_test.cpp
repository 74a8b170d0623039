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
      {"连接杆固定在", "连接"}, {"底座上。", "底座"}, {"第一支架连接，", "第一"},
      {"弹簧(3)的一端", "弹簧(3)"}, {"弹簧组件(A-1)的", "弹簧组件(A-1)"},
      {"弹簧(a_b.c)", "弹簧(a_b.c)"}, {"弹簧(3)(4)", "弹簧(3)"}, {"(弹簧)的", "(弹簧)"},
      {"一二三四五六七八九(1)", "一二三四五六七八九(1)"}, {"第一第二第三第四第五弹簧(2)", ""},
      {"一二三四五六七八九十(1)", ""}, {"的杆", ""}, {"A杆", ""}, {"杆，", ""}, {"杆", ""},
      {"包括A", ""}, {"弹包括", ""}, {"弹簧包括", "弹簧"}, {"弹簧包含", "弹簧"}, {"弹簧(3，", ""},
      {"弹簧(3", ""}, {"弹簧(A+B)", ""}, {"弹簧(包括)", ""}, {"(3)", ""}, {"", ""}, {"裝置", ""},
      {"弹簧裝置", "弹簧"}, {"弹簧，", "弹簧"},
  };
  // clang-format on
  for (const auto& [text, term] : cases) {
    EXPECT_EQ(Utf8(ExtractTerm(Gbk(text), 0)), term) << text;
  }
  EXPECT_EQ(Utf8(ExtractTerm(Gbk("所述底座上"), 4)), "底座");
  EXPECT_EQ(ExtractTerm(Gbk("弹簧") + "\xB0", 0), Gbk("弹簧"));
  EXPECT_EQ(ExtractTerm("\xB5\xAF\xBB", 0), "");
}

TEST(AntecedentBasis, CountHanziAndStopCharacters) {
  EXPECT_EQ(CountHanzi(Gbk("一种A，裝(置)")), 3);
  EXPECT_EQ(CountHanzi(""), 0);
  EXPECT_EQ(g_termStopChars, Gbk("的是为还有在和或与以将及当所由而至跟只又再于使让可到则"));
  g_claims.Empty();
  EXPECT_TRUE(HasAntecedent("", 0, 0));
  EXPECT_TRUE(HasAntecedent(Gbk("弹簧"), 0, 0));  // no such claim
  EXPECT_TRUE(HasAntecedent(Gbk("弹簧"), 0, -1));
}

const std::string kLinked[] = {
    "1、一种连接装置，包括底座和连接杆，其特征在于，所述连接杆固定在所述底座上。",
    "2、根据权利要求1所述的连接装置，其特征在于，所述弹簧套设在所述连接杆上。",
    "3、根据权利要求2所述的连接装置，其特征在于，所述弹簧(3)的一端抵接所述底座(1)。",
    "4、根据权利要求3所述的连接装置，其特征在于，所述弹簧(3)与所述第一支架连接，"
    "所述第一支架包括横梁。"};

TEST(AntecedentBasis, BracketsLandAroundUnsupportedTerms) {
  Analyze(GbkParagraphs({kLinked[0], kLinked[1], kLinked[2], kLinked[3]}));
  ASSERT_EQ(g_claims.Count(), 4);
  EXPECT_EQ(TextOf(0), kLinked[0]);
  EXPECT_EQ(TextOf(1),
            "2、根据权利要求1所述的连接装置，其特征在于，【所述】弹簧套设在所述连接杆上。");
  EXPECT_EQ(TextOf(2),
            "3、根据权利要求2所述的连接装置，其特征在于，【所述弹簧(3)】的一端抵接"
            "【所述底座(1)】。");
  EXPECT_EQ(TextOf(3),
            "4、根据权利要求3所述的连接装置，其特征在于，所述弹簧(3)与【所述】第一支架"
            "连接，所述第一支架包括横梁。");
  const int problems[] = {0, 1, 2, 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(g_claims[i].problemCount, problems[i]) << i;
    EXPECT_EQ(MarksOf(i), "") << i;
  }
}

// The last claim of each case refers to `refs` and reads
// "<n>.根据权利要求<refs>所述的装置，<rest>".
struct BasisCase {
  const char* name;
  std::vector<std::string> before;  // the claims before it, UTF-8
  std::string refs, rest;
  std::string marked;  // `rest` after the analysis; "" when it stays as it is
};

TEST(AntecedentBasis, WhereTermsAreLookedFor) {
  const std::string one = CleanClaim(1), shellOne = "1.一种装置，包括壳体，其特征在于，包括A。";
  const std::string shell = "其特征在于，所述壳体为圆形。",
                    shellMarked = "其特征在于，【所述】壳体为圆形。";
  // clang-format off
  const BasisCase cases[] = {
      {"four generations up",
       {shellOne, CleanClaim(2, "1"), CleanClaim(3, "2"), CleanClaim(4, "3")}, "4", shell, ""},
      {"five generations up", {shellOne, CleanClaim(2, "1"), CleanClaim(3, "2"),
       CleanClaim(4, "3"), CleanClaim(5, "4"), CleanClaim(6, "4")}, "6", shell, shellMarked},
      {"any parent will do", {one, "2.根据权利要求1所述的装置，其特征在于，包括壳体。",
       CleanClaim(3, "1"), CleanClaim(4, "3")}, "4或2", shell, ""},
      {"no characterising phrase", {one}, "1", "包括所述弹簧。", ""},
      {"before the characterising phrase", {one}, "1", "所述弹簧，其特征在于，包括B。", ""},
      {"multiple on multiple", {one, CleanClaim(2, "1"), CleanClaim(3, "1或2")}, "1或3", shell, ""},
      {"refers to itself", {one}, "2", shell, ""},
      {"itself as a grandparent", {one, CleanClaim(2, "3")}, "1或2",
       "其特征在于，所述支架与支架相连。", ""},
      {"at the very end", {one}, "1", "其特征在于，包括A，所述", ""},
      {"only after it", {one}, "1", "其特征在于，所述支架与支架相连。",
       "其特征在于，【所述】支架与支架相连。"},
      {"earlier in the same claim", {one}, "1", "包括弹簧(3)，其特征在于，所述弹簧(3)为圆形。",
       ""},
      {"second supported by the first", {one}, "1", "其特征在于，所述弹簧的一端与所述弹簧相连。",
       "其特征在于，【所述】弹簧的一端与所述弹簧相连。"},
      {"bytes across characters in a parent", {"1.一种装置，其特征在于，包括翱翘濉。"}, "1", shell,
       shellMarked},
      {"bytes across characters earlier", {one}, "1", "其特征在于，翱翘濉，所述壳体为圆形。",
       "其特征在于，翱翘濉，【所述】壳体为圆形。"},
      {"nine characters in parentheses", {one}, "1",
       "其特征在于，所述一二三四五六七八九(1)与所述弹簧组件(A-1)相连。",
       "其特征在于，【所述一二三四五六七八九(1)】与【所述弹簧组件(A-1)】相连。"},
  };
  // clang-format on
  for (const BasisCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> claims = c.before;
    std::string opening =
        std::to_string(claims.size() + 1) + ".根据权利要求" + c.refs + "所述的装置，";
    claims.push_back(opening + c.rest);
    Analyze(GbkParagraphs(claims));
    ASSERT_EQ(g_claims.Count(), static_cast<int>(claims.size()));
    EXPECT_EQ(TextOf(g_claims.Count() - 1), opening + (c.marked.empty() ? c.rest : c.marked));
  }
}

// A pasted web of forward references: every claim refers to the next forty, so a walk that
// visits an ancestor once per path would search each term some 2.6 million times. Claim 2 also
// asks for words that stand in claim 100 (three generations up), in claim 200 (five generations
// up) and in claim 1 (no ancestor of claim 2).
TEST(AntecedentBasis, DenseWebOfForwardReferences) {
  const int kClaims = 300, kFanOut = 40, kSaidPerClaim = 3;
  const std::string chars = "甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥金木水火土东西南北";
  auto letter = [&chars](int k) { return chars.substr(k % 31 * 3, 3); };  // 3 bytes in UTF-8
  std::vector<std::string> claims;
  int term = 0;
  for (int k = 1; k <= kClaims; ++k) {
    std::string refs;
    for (int p = k + 1; p <= std::min(k + kFanOut, kClaims); ++p) {
      refs += (refs.empty() ? "" : "、") + std::to_string(p);
    }
    if (k == kClaims) refs = "1";
    std::string claim = std::to_string(k) +
                        (k == 1 ? ".一种装置" : ".根据权利要求" + refs + "所述的装置") +
                        "，其特征在于";
    for (int j = 0; j < kSaidPerClaim; ++j, ++term) {
      claim += "，所述" + letter(term / 31) + letter(term) + "的A";
    }
    if (k == 2) claim += "，所述青龙的A，所述白虎的A，所述朱雀的A";
    if (k == 1 || k == 200) claim += k == 1 ? "，朱雀" : "，白虎";
    claims.push_back(claim + (k == 100 ? "，青龙" : "。"));  // a word at the very end, no full stop
  }
  EngineRun run = Analyze(GbkParagraphs(claims));
  ASSERT_EQ(g_claims.Count(), kClaims);
  EXPECT_EQ(TextOf(1), claims[1].substr(0, claims[1].find("，其特征在于")) +
                           "，其特征在于，【所述】甲丁的A，【所述】甲戊的A，【所述】甲己的A，"
                           "所述青龙的A，【所述】白虎的A，【所述】朱雀的A。");
  for (int i = 0; i < kClaims; ++i) {
    const int expected = i == 0 || i == kClaims - 1 ? 3 : i == 1 ? 6 : i == 99 ? 5 : 4;
    EXPECT_EQ(g_claims[i].problemCount, expected) << i;
    EXPECT_EQ(g_claims[i].multiMulti, 0) << i;
  }
  EXPECT_EQ(run.text.substr(0, run.text.find("\r\n\r\n")),
            "分析完毕，找到1套、共300条权利要求\r\n其中存在问题的权利要求有 300条（见文中的★"
            "标记），问题共有 1201处（见文中的【 】标记）");
}

// Claims longer than a few kilobytes, whose texts change when their brackets go in.
TEST(AntecedentBasis, LongClaims) {
  std::string filler;
  for (int i = 0; i < 1200; ++i) filler += "甲乙丙丁戊己庚辛";
  const std::string one = "1.一种装置，其特征在于，所述弹簧为圆形，" + filler;
  const std::string two = "2.根据权利要求1所述的装置，其特征在于，" + filler + "，包括支架，";
  Analyze(GbkParagraphs({one + "，包括翱翘濉，底座和横梁",
                         two + "所述支架与所述底座与所述壳体与所述立柱与所述横梁相连，立柱。"}));
  ASSERT_EQ(g_claims.Count(), 2);
  EXPECT_EQ(TextOf(0),
            "1.一种装置，其特征在于，【所述】弹簧为圆形，" + filler + "，包括翱翘濉，底座和横梁");
  EXPECT_EQ(TextOf(1),
            two + "所述支架与所述底座与【所述】壳体与【所述】立柱与所述横梁相连，立柱。");
}

}  // namespace
