// The report's own marks: tags, merged marks and their order, and problem counts of claims and
// their references (Check holds every report to the rules of its summary, set headers, stars and
// closing line).
#include <gtest/gtest.h>

#include <string>

#include "CheckCommand.h"
#include "claims/ClaimNumbering.h"
#include "claims/ClaimRecord.h"
#include "support/ReportInvariants.h"
#include "support/TestText.h"

namespace {

std::string C(int number, std::string_view refs = "", std::string_view subject = "装置") {
  return CleanClaim(number, refs, subject);
}

TEST(AnalyzeClaims, EveryMarkInOrderInOneBracket) {
  Check(GbkParagraphs({C(1), C(2, "1"), "4.根据权利要求4或0所述的A型，包括A；；B"}));
  ASSERT_EQ(g_claims.Count(), 3);
  EXPECT_EQ(HeadOf(2), "★[Err1-1][从权4][][父4;0;]");
  EXPECT_EQ(MarksOf(2),
            "【本权编号与前不连续|有的父权编号过大|有的父权未找到|存在非本套的父权编号|多引多|"
            "不能识别本权项主题|缺“其特征在于”|缺句号|存在“；；”】");
}

// A torn last character must not take in the first byte of the mark written after it.
TEST(AnalyzeClaims, MarkAfterATextEndingInALoneLeadByteIsCounted) {
  const std::string box = Gbk("1.一种装置，其特征在于。") + "\x81";
  const CheckOutcome outcome = RunCheck(box);
  EXPECT_EQ(FindBrokenRule(box, outcome), "");
  EXPECT_EQ(outcome.result.problems, 1);
  ASSERT_EQ(outcome.result.claims.at(0).findings.size(), 1u);
  EXPECT_EQ(outcome.result.claims[0].findings[0].code, FindingCode::kFullStopNotAtEnd);
}

// Claim numbers, paragraphs, finding claim 1 and gathering claims, the numbering mark.

TEST(ClaimNumbering, ParseClaimNumberAndClaimStartNumber) {
  // clang-format off
  const std::pair<std::string, int32_t> numbers[] = {
      {" \t\r\n", 0}, {"\v7\f", 7}, {"+7", 7}, {"-5", 0}, {"-0", 0}, {"+ 7", 0}, {"12abc", 12},
      {"9999", 9999}, {"10000", 0}, {"0000000000001", 1},
      {"4294967297", 0}, {"-4294967295", 0},  // 2^32 + 1 and its negative must not wrap round to 1
  };
  const std::pair<std::string, int32_t> starts[] = {
      {"1.一种装置", 1}, {"12、根据", 12}, {"0000000000001、一种", 1}, {"1.5倍", 0}, {"3.(a)", 0},
      {"一、装置", 0}, {"10000.一种", 0}, {"4294967297.一种", 0}, {"１.一种", 0}, {".一种", 0},
      {"1.", 0}, {"1.，装置", 0}, {"1.裝置", 0}, {"1..一种", 0}, {"1,一种", 0}, {"1。一种", 0},
  };
  // clang-format on
  for (const auto& [text, n] : numbers) EXPECT_EQ(ParseClaimNumber(Gbk(text)), n) << text;
  for (const auto& [text, n] : starts) EXPECT_EQ(ClaimStartNumber(Gbk(text)), n) << text;
  EXPECT_EQ(ClaimStartNumber("1.\xB0"), 0);  // a lead byte with nothing after it
}

TEST(ClaimNumbering, GatheringAndTheNumberingMark) {
  const std::string one = CleanClaim(1), two = CleanClaim(2, "1"), three = CleanClaim(3, "1");
  const std::string gap = "【本权编号与前不连续】";
  // clang-format off
  ExpectMarks({
      {{"", one, " \v ", "", two, ""}, {"", ""}}, {{two, one, three}, {"", gap}},
      {{one, two, two, three}, {"", "", gap, ""}}, {{one, three, two}, {"", gap, gap}},
      {{one, "10000.一种装置，", two}, {"【句号未在结尾】", ""}},  // too large: no claim starts
      {{one, "2.加热至100度", three},  // a numbered step is a claim of its own
       {"", "【缺“其特征在于”|缺句号】", "【存在非本套的父权编号】"}},
  });
  // clang-format on
}

TEST(ClaimNumbering, ParagraphsOfOneClaimAreTrimmedAndJoined) {
  Check(GbkParagraphs({"权利要求书", "1.一种装置，", "\v包括A；\f", "", "其特征在于，B。",
                       "2.根据权利要求1所述的装置，其特征在于，C。", "附言"}));
  ASSERT_EQ(g_claims.Count(), 2);
  EXPECT_EQ(TextOf(0), "1.一种装置，\r\n包括A；\r\n其特征在于，B。");
  EXPECT_EQ(TextOf(1), "2.根据权利要求1所述的装置，其特征在于，C。\r\n附言");
}

// The characterising phrase, the one full stop at the end, and doubled punctuation.

TEST(WordingChecks, PhraseFullStopAndPairs) {
  const std::string head = "1.一种装置，其特征在于，";
  // clang-format off
  ExpectMarks({
      {{"1、一种装置，包括A和B。"}, {"【缺“其特征在于”】"}},
      {{"1.一种装置，包括A，", "其特征在于，B。"}, {""}}, {{head + "包括A;;B。"}, {""}},
      {{head + "包括A。)"}, {"【句号未在结尾】"}}, {{head + "包括A。B。C"}, {"【句号未在结尾】"}},
      {{head + "包括A。B。"}, {"【多个句号】"}}, {{head + "包括A。。"}, {"【多个句号】"}},
      {{head + "包括A."}, {"【缺句号】"}}, {{head + "包括啊，"}, {"【缺句号】"}},
      {{head + "包括A；；；B。"}, {"【存在“；；”】"}},
      {{head + "A；：B：；C，：D：，E；，F，；G：：H、、I，，J；；K；。"},
       {"【存在“；；”|存在“，，”|存在“、、”|存在“：：”|存在“；。”|存在“，；”|存在“；，”|"
        "存在“：，”|存在“，：”|存在“：；”|存在“；：”】"}},
      {{"1.一种装置。A；；B"}, {"【缺“其特征在于”|句号未在结尾|存在“；；”】"}},
  });
  // clang-format on
}

// Resolving parents, multiple dependency and claim sets, as the marks on references show them.

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

// A dependent claim's subject must be a tail of the subject of every parent found.

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
