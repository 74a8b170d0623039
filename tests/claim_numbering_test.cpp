// Claim numbers, paragraphs, finding claim 1 and gathering claims, the numbering mark.
#include <gtest/gtest.h>

#include <string>

#include "claims/ClaimNumbering.h"
#include "claims/ClaimRecord.h"
#include "support/TestText.h"

namespace {

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

}  // namespace
