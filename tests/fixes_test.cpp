// The commands as the user gives them: the certain corrections (each fix's text once applied,
// renumbering with lists and ranges, the refusals, and the choice of edits that go together), and
// the check itself, normalising the box's text, then analysing it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckCommand.h"
#include "FixCommand.h"
#include "result/Fix.h"
#include "support/TestText.h"

namespace {

// The box's text (UTF-8 paragraphs) with one check's fixes applied, in UTF-8.
std::string FixedOnce(const std::vector<std::string>& paragraphs) {
  const std::string box = GbkParagraphs(paragraphs);
  const CheckOutcome outcome = RunCheck(box, {.review = true});
  return Utf8(ApplyFixes(box, FixesOf(outcome.result)));
}

// What the fixes of the finding with `code` say in refusal, UTF-8.
std::string RefusalOf(const std::vector<std::string>& paragraphs, FindingCode code) {
  const CheckOutcome outcome = RunCheck(GbkParagraphs(paragraphs), {.review = true});
  for (const ClaimResult& claim : outcome.result.claims) {
    for (const Finding& f : claim.findings) {
      if (f.code == code) return Utf8(f.fixRefused);
    }
  }
  return "(no finding)";
}

TEST(Fixes, EachCorrectionInTheUsersText) {
  const std::string head = "1.一种装置，其特征在于，包括A。\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {"2.据权利要求1所述的装置，B。", "2.根据权利要求1所述的装置，B。"},
      {"2.如权力要求1所述的装置，B。", "2.如权利要求1所述的装置，B。"},
      {"2.如利要求1所述的装置，B。", "2.如权利要求1所述的装置，B。"},
      {"2.根据利要求1述的装置，B。", "2.根据权利要求1所述的装置，B。"},
      {"2.根据权利要1述的装置，B。", "2.根据权利要求1所述的装置，B。"},
      {"2.根据利要求1至2述的装置，B。", "2.根据权利要求1至2所述的装置，B。"},
      {"2.根据权利要1或2述的装置，B。", "2.根据权利要求1或2所述的装置，B。"},
      {"2.如权利要1所述的装置，B。", "2.如权利要求1所述的装置，B。"},
      {"2.如权利2要求所述的装置，B。", "2.如权利要求2所述的装置，B。"},
      {"2.如权利1要求1所述的装置，B。", "2.如权利要求1所述的装置，B。"},
      {"2.根据权利要求1述的装置，B。", "2.根据权利要求1所述的装置，B。"},
      {"2.根据根据权利要求1所述的装置，B。", "2.根据权利要求1所述的装置，B。"},
      {"2.根据权利要求1所述的装置，所述所述B与所述所述所述C。", "2.根据权利要求1所述的装置，所述B与所述C。"},
      {"2.根据权利要求1所述的装置，其特征在B的的C。", "2.根据权利要求1所述的装置，其特征在于B的C。"},
      {"2.根据权利要求1所述的装置，其特性在于B。", "2.根据权利要求1所述的装置，其特征在于B。"},
      {"2.根据权利要求1所述的装置，其特征在于：其特征在于B。", "2.根据权利要求1所述的装置，其特征在于B。"},
      {"2.根据权利要求1所述的装置，其特性在于其特征在于B。", "2.根据权利要求1所述的装置，其特征在于B。"},
      {"2.根据权利要求1所述的装置，B，，C，， ,D。", "2.根据权利要求1所述的装置，B，C，D。"},
      {"2.根据权利要求1所述的装置，B；。", "2.根据权利要求1所述的装置，B。"},
      {"2.根据权利要求1所述的装置，B；", "2.根据权利要求1所述的装置，B。"},
      {"2.根据权利要求1所述的装置，B 、 ", "2.根据权利要求1所述的装置，B 。 "},
      // No certain correction: left as it is.
      {"2.如权利权利1所述的装置，B。", "2.如权利权利1所述的装置，B。"},
      {"2.如权利1要求3所述的装置，B。", "2.如权利1要求3所述的装置，B。"},
      {"2.据权利要求根据权利要求1所述的装置，B。", "2.据权利要求根据权利要求1所述的装置，B。"},
      {"2.根据权利要求1所述的装置，B；。C；。", "2.根据权利要求1所述的装置，B；。C；。"},
      {"2.根据权利要求1所述的装置，B，；C。", "2.根据权利要求1所述的装置，B，；C。"},
      {"2.根据权利要求1所述的装置，B为A的材料A的材料。", "2.根据权利要求1所述的装置，B为A的材料A的材料。"},
      {"2.根据权利要求1所述的装置，B为哈哈哈哈哈。", "2.根据权利要求1所述的装置，B为哈哈哈哈哈。"},
      {"2.根据权利要求1所述的装置，包括：", "2.根据权利要求1所述的装置，包括："},
      {"2.根据权利要求1所述的装置，B为C", "2.根据权利要求1所述的装置，B为C"},
  };
  for (const auto& [claim, fixed] : cases) {
    EXPECT_EQ(FixedOnce({head + claim}), Utf8(Gbk(head)) + fixed) << claim;
  }
}

TEST(Fixes, RenumberingAfterAClaimWasDeleted) {
  const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
      // Claim 3 deleted: lists, ranges of every sign, references in the text and independent
      // claims that cite others.
      {{"1.一种装置，其特征在于，A。", "2.根据权利要求1所述的装置，B。",
        "4.根据权利要求1或2所述的装置，C。", "5.根据权利要求1～4中任一项所述的装置，D。",
        "6.如权利要求2-4之一所述的装置，其中权利要求4的C为E。",
        "7.根据权利要求4、5或6所述的装置，F。", "8.一种制备权利要求1至7任一项所述装置的方法。"},
       {"1.一种装置，其特征在于，A。", "2.根据权利要求1所述的装置，B。",
        "3.根据权利要求1或2所述的装置，C。", "4.根据权利要求1～3中任一项所述的装置，D。",
        "5.如权利要求2-3之一所述的装置，其中权利要求3的C为E。",
        "6.根据权利要求3、4或5所述的装置，F。", "7.一种制备权利要求1至6任一项所述装置的方法。"}},
      // Claims out of order: each keeps the claim it meant.
      {{"1.一种装置，其特征在于，A。", "3.根据权利要求2所述的装置，B。",
        "2.根据权利要求1所述的装置，C。"},
       {"1.一种装置，其特征在于，A。", "2.根据权利要求3所述的装置，B。",
        "3.根据权利要求1所述的装置，C。"}},
  };
  for (const auto& [claims, renumbered] : cases) {
    EXPECT_EQ(FixedOnce(claims), Utf8(GbkParagraphs(renumbered))) << claims[1];
  }
}

TEST(Fixes, RenumberingRefusedWhenAReferenceIsNotOneClaim) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"1.一种装置，A。", "2.根据权利要求1所述的装置，B。", "4.根据权利要求3所述的装置，C。"},
       "权利要求4引用的3：没有权利要求编号为此，无法确定所指"},
      {{"1.一种装置，A。", "1.一种方法，B。", "3.根据权利要求1所述的方法，C。"},
       "权利要求3引用的1：有两条以上权利要求编号为此，无法确定所指"},
      {{"1.一种装置，A。", "3.根据权利要求1所述的装置，B。", "2.根据权利要求1所述的装置，C。",
        "5.根据权利要求1-3中任一项所述的装置，D。"},
       "权利要求5引用的1-3：所指的权利要求重新编号后不再连续"},
      {{"1.一种装置，A。", "2.根据权利要求1所述的装置，B。"}, "(no finding)"},
  };
  for (const auto& [claims, why] : cases) {
    EXPECT_EQ(RefusalOf(claims, FindingCode::kNumberingGap), why) << claims[1];
  }
}

TEST(Fixes, OverlappingFixesWaitForTheNextCheck) {
  // The renumbering and the slip both edit "权利要求3述": one check applies one of them, the
  // next the other, and fixing the result again changes nothing.
  const std::string box = GbkParagraphs({"1.一种装置，A。", "3.根据权利要求1述的装置，B。"});
  const FixedText fixed = FixAll(box);
  EXPECT_EQ(Utf8(fixed.text),
            Utf8(GbkParagraphs({"1.一种装置，A。", "2.根据权利要求1所述的装置，B。"})));
  EXPECT_EQ(FixAll(fixed.text).edits, 0);
}

// Characters the check reads in another form stay as the user wrote them around and inside an
// edit, and the digits an edit writes are full-width where the ones it replaces all were.
TEST(Fixes, PastedCharactersStayTheUsers) {
  const std::pair<std::string, std::string> cases[] = {
      {"１．一种装置，A。\r\n２．根据权利要求１述的装置，B。",
       "１．一种装置，A。\r\n２．根据权利要求１所述的装置，B。"},
      {"1.一种装置，A。\r\n2.如权利２要求所述的装置，B。", "1.一种装置，A。\r\n2.如权利要求２所述的装置，B。"},
      {"1.一种装置，A。\v2.根据权利要求1所\u3000述的装置，其特\u00a0性在于B。",
       "1.一种装置，A。\v2.根据权利要求1所\u3000述的装置，其特\u00a0征在于B。"},
      {"1.一种装置，A。\u20282.根据权利要求1所述的装置，所述\u2009所述B。\u2029",
       "1.一种装置，A。\u20282.根据权利要求1所述的装置，所述\u2009B。\u2029"},
      // Renumbered in the width of each number; one written in both widths becomes ASCII.
      {"１．一种装置，A。\u2028３．根据权利要求１所述的装置，B。\f４．根据权利要求１或３所述的装置，C"
       "。\u0085 1０．根据权利要求4所述的装置，D。",
       "１．一种装置，A。\u2028２．根据权利要求１所述的装置，B。\f３．根据权利要求１或２所述的装置，C"
       "。\u0085 4．根据权利要求3所述的装置，D。"},
  };
  for (const auto& [box, fixed] : cases) {
    const FixedText once = FixAll(Gbk(box));
    EXPECT_EQ(Utf8(once.text), fixed) << box;
    EXPECT_EQ(FixAll(once.text).edits, 0) << box;
  }
}

TEST(Fixes, EditsPlacedForAFrontEnd) {
  // A blank and a line break before the edit: the offset counts "\r\n" as one character.
  const std::string box = Gbk("1.一种装置，A。\r\n2. 据权利要求1所述的装置，B。");
  const CheckOutcome outcome = RunCheck(box, {.review = true});
  const std::vector<const Fix*> fixes = FixesOf(outcome.result);
  ASSERT_EQ(fixes.size(), 1u);
  const FixEdit& edit = fixes[0]->edits[0];
  EXPECT_EQ(edit.place.line, 2);
  EXPECT_EQ(edit.place.column, 4);
  EXPECT_EQ(edit.offset, 13);
  EXPECT_EQ(edit.length, 5);
  EXPECT_EQ(Utf8(fixes[0]->title), "改为“根据权利要求”");
}

TEST(Fixes, OneFindingsFixAlone) {
  // Claim 2 has two slips, each its own finding and fix, after a finding of each claim that has
  // none (no "其特征在于"); a front end names the finding by its place among all findings.
  const std::string box =
      GbkParagraphs({"1.一种装置，A。", "2.据权利要求1所述的装置，所述所述B。"});
  const struct {
    int finding;
    int edits;
    std::string text;
  } cases[] = {
      {2, 1, "2.根据权利要求1所述的装置，所述所述B。"},
      {3, 1, "2.据权利要求1所述的装置，所述B。"},
      {1, 0, "2.据权利要求1所述的装置，所述所述B。"},
      {4, 0, "2.据权利要求1所述的装置，所述所述B。"},
      {-1, 0, "2.据权利要求1所述的装置，所述所述B。"},
  };
  for (const auto& c : cases) {
    const FixedText fixed = FixFinding(box, {.review = true}, c.finding);
    EXPECT_EQ(fixed.edits, c.edits) << c.finding;
    EXPECT_EQ(Utf8(fixed.text), Utf8(GbkParagraphs({"1.一种装置，A。", c.text}))) << c.finding;
  }
}

// The check as the user starts it: normalising the box's text, then analysing it.

TEST(CheckCommand, Normalisation) {
  const std::pair<std::string, std::string> cases[] = {
      {" 1. 一种\t装置 , 其特征在于:A．（1）【x】 \r\n", "1.一种装置，其特征在于：A.(1)x"},
      {"【 】\r\n1.一种", "\r\n1.一种"},
      {"a, ,b::", "a，，b：："},
      {"啊京啊壳（", "啊京啊壳("},  // "【" and "】" across two characters stay
      // Spaces of every kind are blanks, line breaks of every kind "\r\n", full-width digits
      // digits; full-width letters stay.
      {"　A;B１Ａ. 。", "A;B1Ａ.。"},
      {"a\u00a0b\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007\u2008\u2009\u200ac\u202fd\u205fe"
       "\ufefff",
       "abcdef"},
      {"０１２３４５６７８９１0", "012345678910"},
      {"a\vb\fc\u0085d\u2028e\u2029f", "a\r\nb\r\nc\r\nd\r\ne\r\nf"},
      // Trimmed of every kind of whitespace, but never past a character the trim stops at.
      {"\u3000\u2028 \r\n\u00a01.一种\u3000\r\n\u2029\ufeff\f", "1.一种"},
      {"\u2029【】\u3000\r\n1\r\n\u3000】\u2028", "\r\n1\r\n"},
  };
  for (const auto& [box, normalised] : cases) {
    EXPECT_EQ(Utf8(NormalizeClaimsText(Gbk(box))), normalised) << box;
  }
}

struct OutcomeCase {
  std::string box;    // GBK
  std::string shown;  // UTF-8
  std::vector<std::string> messages;
  bool checked, congratulate;
};

TEST(CheckCommand, Outcomes) {
  const std::string notFound = "未找到权1 ?\n\n 请检查";
  const std::string selfRef = CleanClaim(1, "1"), two = CleanClaim(2, "1");
  // clang-format off
  const OutcomeCase cases[] = {
      {GbkParagraphs({"权利要求书", "2. 一种装置, 包括A"}), "权利要求书\r\n2.一种装置，包括A",
       {notFound}, false, false},
      {Gbk(" 显示署名 "), "显示署名", {"作者：Quillex 开发组", notFound}, false, false},
      {Gbk("显示署名。"), "显示署名。", {notFound}, false, false},
      {Gbk("【】\r\n 【】"), "\r\n", {}, false, false},  // no paragraph: no message
      // without an independent claim there is no summary, no set and no closing line
      {GbkParagraphs({selfRef, two}), "★[Err1-1][从权1][装置][父1;]【有的父权编号过大】 " +
       selfRef + "\r\n\r\n[从权2][装置][父1;] " + two + "\r\n\r\n", {}, true, false},
  };
  // clang-format on
  for (const OutcomeCase& c : cases) {
    EngineRun run = Check(c.box);
    SCOPED_TRACE(run.text);
    EXPECT_EQ(run.text, c.shown);
    EXPECT_EQ(run.messages, c.messages);
    EXPECT_EQ(run.checked, c.checked);
    EXPECT_EQ(run.congratulate, c.congratulate);
  }
}

// Every claim and finding is placed in the box's text as the user typed it: blanks of any kind,
// full-width brackets and digits and characters outside GBK before it do not shift it, nor does a
// claim's second paragraph. Each claim gives "LINE:COLUMN", each finding "LINE:COLUMN:LENGTH".
TEST(CheckCommand, FindingsAreLocatedInTheBoxText) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"\r\n  1. 一种杯子，其特征在于，所 述手柄（1）为陶瓷。", {"2:3", "2:17:8"}},
      {"1.一种\U00020000杯，其特征在于，所述手柄。", {"1:1", "1:1:0", "1:14:2"}},
      {"1.一种杯子，其特征在于：\r\n  包括所述杯盖。\r\n2. 根据权利要求1所述的杯子",
       {"1:1", "2:5:2", "3:1", "3:1:0", "3:1:0", "3:1:0"}},
      // Removed spaces count as columns; every kind of line break ends a line.
      {"　　1.　一种杯子，其特征在于，所\u00a0述手柄为陶瓷。", {"1:3", "1:17:3"}},
      {"1.一种杯子，其特征在于：\u2028　包括所述杯盖。\v２．根据权利要求１所述的杯子",
       {"1:1", "2:4:2", "3:1", "3:1:0", "3:1:0", "3:1:0"}},
      {"\u2029\f1.一种杯子，其特征在于：\u0085包括所述杯盖。", {"3:1", "4:3:2"}},
  };
  for (const auto& [box, places] : cases) {
    const CheckOutcome outcome = RunCheck(Gbk(box));
    std::vector<std::string> found;
    for (const ClaimResult& claim : outcome.result.claims) {
      found.push_back(std::to_string(claim.place.line) + ":" + std::to_string(claim.place.column));
      for (const Finding& f : claim.findings) {
        found.push_back(std::to_string(f.place.line) + ":" + std::to_string(f.place.column) + ":" +
                        std::to_string(f.length));
      }
    }
    EXPECT_EQ(found, places) << box;
  }
}

}  // namespace
