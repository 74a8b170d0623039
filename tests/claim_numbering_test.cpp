// Claim numbers, paragraphs, finding claim 1 and gathering claims, the numbering mark.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClaimNumbering.h"
#include "ClaimRecord.h"
#include "TestText.h"

namespace {

struct NumberCase {
  std::string text;  // UTF-8
  int32_t number;
};

TEST(ClaimNumbering, ParseClaimNumberReadsLikeAtoiWithinRange) {
  // clang-format off
  const NumberCase cases[] = {
      {"", 0}, {" \t\r\n", 0}, {"  12 ", 12}, {"\v7\f", 7}, {"+7", 7}, {"-5", 0}, {"-0", 0},
      {"+ 7", 0}, {"12abc", 12}, {"1 2", 1}, {"abc", 0}, {"9999", 9999}, {"10000", 0},
      {"0000000000001", 1}, {"0", 0}, {"１２", 0},
      {"4294967297", 0},  // 2^32 + 1: must not wrap round to 1
      {"99999999999999999999999", 0},
      {"-4294967295", 0},  // must not wrap round to 1 either
  };
  // clang-format on
  for (const NumberCase& c : cases) {
    EXPECT_EQ(ParseClaimNumber(Gbk(c.text)), c.number) << c.text;
  }
}

TEST(ClaimNumbering, ClaimStartNumberNeedsDigitsSignAndChineseCharacter) {
  // clang-format off
  const NumberCase cases[] = {
      {"1.一种装置", 1}, {"12、根据权利要求1所述的装置", 12}, {"9999.一种", 9999}, {"0001.一种", 1},
      {"0000000000001、一种", 1}, {"1.5倍", 0}, {"3.(a)", 0}, {"第1项", 0}, {"一、装置", 0},
      {"10000.一种", 0}, {"4294967297.一种", 0}, {"１.一种", 0}, {".一种", 0}, {"、一种", 0},
      {"123", 0}, {"", 0}, {"1.", 0}, {"1、", 0}, {"1.，装置", 0}, {"1.裝置", 0}, {"1..一种", 0},
      {"0.一种", 0}, {"1,一种", 0}, {"1。一种", 0},
  };
  // clang-format on
  for (const NumberCase& c : cases) {
    EXPECT_EQ(ClaimStartNumber(Gbk(c.text)), c.number) << c.text;
  }
  EXPECT_EQ(ClaimStartNumber("1.\xB0"), 0);  // a lead byte with nothing after it
}

struct GatherCase {
  const char* name;
  std::string text;              // GBK, as the analysis receives it
  std::vector<int32_t> numbers;  // of the records, in order
  std::string numberingMarks;    // 'x' for each record given the numbering mark
};

const std::string kGap = "本权编号与前不连续";

TEST(ClaimNumbering, GatheringAndTheNumberingMark) {
  const std::string a = "一种杯子，其特征在于，杯体为圆柱形。";
  const std::string b = "根据权利要求1所述的杯子，其特征在于，杯体为陶瓷。";
  // clang-format off
  const GatherCase cases[] = {
      {"title dropped", GbkParagraphs({"权利要求书", "1." + a, "2." + b}), {1, 2}, "--"},
      {"blank lines, leading separator", GbkParagraphs({"", "1." + a, " \v ", "", "2." + b, ""}),
       {1, 2}, "--"},
      {"before claim 1", GbkParagraphs({"2." + b, "1." + a, "3." + b}), {1, 3}, "-x"},
      {"repeated number", GbkParagraphs({"1." + a, "2." + b, "2." + b, "3." + b}), {1, 2, 2, 3},
       "--x-"},
      {"gap", GbkParagraphs({"1." + a, "3." + b, "4." + b}), {1, 3, 4}, "-x-"},
      {"descending", GbkParagraphs({"1." + a, "3." + b, "2." + b}), {1, 3, 2}, "-xx"},
      {"too large", GbkParagraphs({"1." + a, "10000.一种", "2." + b}), {1, 2}, "--"},
      {"numbered step", GbkParagraphs({"1." + a, "2.加热至100度", "3." + b}), {1, 2, 3}, "---"},
      {"full-width digit", GbkParagraphs({"1." + a, "２." + b}), {1}, "-"},
  };
  // clang-format on
  for (const GatherCase& c : cases) {
    SCOPED_TRACE(c.name);
    Analyze(c.text);
    ASSERT_EQ(g_claims.Count(), static_cast<int>(c.numbers.size()));
    for (int i = 0; i < g_claims.Count(); ++i) {
      EXPECT_EQ(g_claims[i].number, c.numbers[i]) << i;
      EXPECT_EQ(MarksOf(i).find(kGap) != std::string::npos, c.numberingMarks[i] == 'x')
          << i << ": " << MarksOf(i);
    }
  }
}

TEST(ClaimNumbering, ParagraphsOfOneClaimAreTrimmedAndJoined) {
  Analyze(GbkParagraphs({"权利要求书", " 1.一种装置，", "\v包括A；\f", "", "其特征在于，B。 ",
                         "2.根据权利要求1所述的装置，其特征在于，C。", "附言"}));
  ASSERT_EQ(g_claims.Count(), 2);
  EXPECT_EQ(TextOf(0), "1.一种装置，\r\n包括A；\r\n其特征在于，B。");
  EXPECT_EQ(TextOf(1), "2.根据权利要求1所述的装置，其特征在于，C。\r\n附言");
  EXPECT_EQ(g_paragraphs.size(), 6u);
  EXPECT_EQ(Utf8(g_paragraphs[0]), "权利要求书");
}

}  // namespace
