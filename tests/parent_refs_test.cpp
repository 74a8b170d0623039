// Reading the claims a dependent claim refers to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClaimRecord.h"
#include "ParentRefs.h"
#include "TestText.h"

namespace {

struct RefCase {
  std::string opening;  // UTF-8
  std::string raw;      // ParseParentRefs; "" when rejected
  std::string refs;     // after DedupeNumberList
  std::vector<int32_t> numbers;
};

TEST(ParentRefs, ReadListsAndRanges) {
  // clang-format off
  const RefCase cases[] = {
      {"3.根据权利要求1或2所述的装置，", "1;2;", "1;2;", {1, 2}},
      {"5.根据权利要求1、2、4所述的装置，", "1;2;4;", "1;2;4;", {1, 2, 4}},
      {"5.根据权利要求1、2或4所述的装置，", "1;2;4;", "1;2;4;", {1, 2, 4}},
      {"5.根据权利要求1～4所述的装置，", "1;2;3;4;4;", "1;2;3;4;", {1, 2, 3, 4}},
      {"10.根据权利要求2、4-6、7或9任一项所述的装置，", "2;4;5;6;6;7;9;", "2;4;5;6;7;9;",
       {2, 4, 5, 6, 7, 9}},
      {"13.根据权利要求1~2、3、5到7、10至12中任意一项所述的装置，", "1;2;2;3;5;6;7;7;10;11;12;12;",
       "1;2;3;5;6;7;10;11;12;", {1, 2, 3, 5, 6, 7, 10, 11, 12}},
      {"3.如权利要求1所述的装置，", "1;", "1;", {1}},
      {"4.根据权利要求1至3中任一项所述的装置，", "1;2;3;3;", "1;2;3;", {1, 2, 3}},
      {"4.根据权利要求2到4所述的装置，", "2;3;4;4;", "2;3;4;", {2, 3, 4}},
      {"6.根据权利要求1～3～5所述的装置，", "1;2;3;3;4;5;5;", "1;2;3;4;5;", {1, 2, 3, 4, 5}},
      {"5.根据权利要求1～3或2～4所述的装置，", "1;2;3;3;2;3;4;4;", "1;2;3;4;", {1, 2, 3, 4}},
      {"5.根据权利要求3或1所述的装置，", "3;1;", "3;1;", {3, 1}},
      {"5.根据权利要求1、、2所述的装置，", "1;;2;", "1;2;", {1, 2}},
      {"5.根据权利要求01所述的装置，", "01;", "01;", {1}},
      {"5.根据权利要求1、01所述的装置，", "1;01;", "1;01;", {1, 1}},
      {"5.根据权利要求0所述的装置，", "0;", "0;", {0}},
      {"5.根据权利要求10000所述的装置，", "10000;", "10000;", {0}},
      {"5.根据权利要求4294967297所述的装置，", "4294967297;", "4294967297;", {0}},
      {"5.根据权利要求0000000000001～3所述的装置，", "1;2;3;3;", "1;2;3;", {1, 2, 3}},
      {"5.根据权利要求1所限定的装置，所述A", "1;", "1;", {1}},
      {"5.根据权利要求1中的装置，其特征在于，所述A，", "1;", "1;", {1}},
      {"5.，根据权利要求2所述的装置，", "2;", "2;", {2}},
  };
  // clang-format on
  for (const RefCase& c : cases) {
    std::string raw = ParseParentRefs(Gbk(c.opening));
    EXPECT_EQ(raw, c.raw) << c.opening;
    std::string refs = DedupeNumberList(raw);
    EXPECT_EQ(refs, c.refs) << c.opening;
    EXPECT_EQ(ParentNumbersOf(refs), c.numbers) << c.opening;
  }
}

// Any fault rejects the whole reference, including the items read before it.
TEST(ParentRefs, UnreadableReferences) {
  // clang-format off
  const std::string references[] = {
      "1--9", "1和2", "4～1", "3～3", "0～3", "1～10000", "1～4294967298",
      "4294967297～4294967298", "2、1～10000", "1、", "、1", "1～、3", "1、～3", "", "１", "1－3",
      "1—3", "1　2", "1或权利要求2", "第1项", "1项"};
  // clang-format on
  for (const std::string& r : references) {
    EXPECT_EQ(ParseParentRefs(Gbk("5.根据权利要求" + r + "所述的装置，")), "") << r;
  }
  for (const char* text : {"5.根据权利要求1的装置，", "5.根据权利要求1，所述装置",
                           "5.一种根据权利要求1所述的装置，"}) {
    EXPECT_EQ(ParseParentRefs(Gbk(text)), "") << text;
  }
}

TEST(ParentRefs, LongestRangeExpandsFully) {
  std::string refs = DedupeNumberList(ParseParentRefs(Gbk("5.根据权利要求1～9999所述的装置，")));
  std::vector<int32_t> numbers = ParentNumbersOf(refs);
  ASSERT_EQ(numbers.size(), 9999u);
  EXPECT_EQ(numbers.front(), 1);
  EXPECT_EQ(numbers.back(), 9999);
}

TEST(ParentRefs, DedupeComparesWholeItemsAsText) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"1;2;2;", "1;2;"},     {";;", ""},           {"", ""},
      {" 1 ;1;\t;", "1;"},    {"1;01;", "1;01;"},   {"3;1;3", "3;1;"},
      {"12;1;2;", "12;1;2;"}, {"2;12;2;", "2;12;"}, {"7", ""},
  };
  // clang-format on
  for (const auto& [list, deduped] : cases) EXPECT_EQ(DedupeNumberList(list), deduped) << list;
}

TEST(ParentRefs, OnlyDependentClaimsAreParsed) {
  Analyze(GbkParagraphs({"1.装置，其特征在于，根据权利要求1所述的方法。",
                         "2.根据权利要求1和2所述的装置，其特征在于，包括A。"}));
  ASSERT_EQ(g_claims.Count(), 2);
  EXPECT_EQ(g_claims[0].parentRefs, "");
  EXPECT_TRUE(g_claims[0].parentNumbers.empty());
  EXPECT_EQ(Utf8(g_claims[0].head), "[独权1][装置]");
  EXPECT_EQ(Utf8(g_claims[1].head), "★[Err1-1][从权2][装置][父?]");
  EXPECT_EQ(MarksOf(1), "【引用父权编号时格式有误】");
}

}  // namespace
