// The check as the user starts it: normalising the box's text, then analysing it.
#include <gtest/gtest.h>

#include <string>

#include "CheckCommand.h"
#include "support/TestText.h"

namespace {

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
