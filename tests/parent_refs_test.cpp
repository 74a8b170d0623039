// Reading the claims a dependent claim refers to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "claims/ClaimOpening.h"
#include "claims/ClaimRecord.h"
#include "claims/ParentRefs.h"
#include "support/TestText.h"

namespace {

struct RefCase {
  std::string refs, raw;  // the opening's parentList of "5.根据权利要求<refs>所述的装置，"
  std::vector<int32_t> numbers;  // after DedupeNumberList
};

// A reference that ends in "，" stands for the whole opening after "5.根据权利要求".
std::string Parse(const std::string& refs) {
  return ReadClaimOpening(
             Gbk("5.根据权利要求" + refs + (refs.ends_with("，") ? "" : "所述的装置，")))
      .parentList;
}

TEST(ParentRefs, ReadListsAndRanges) {
  // clang-format off
  const RefCase cases[] = {
      {"1或2", "1;2;", {1, 2}}, {"1、2或4", "1;2;4;", {1, 2, 4}}, {"1、、2", "1;;2;", {1, 2}},
      {"1～3～5", "1;2;3;3;4;5;5;", {1, 2, 3, 4, 5}},
      {"2、4-6、7或9任一项", "2;4;5;6;6;7;9;", {2, 4, 5, 6, 7, 9}},
      {"1~2、3、5到7、10至12中任意一项", "1;2;2;3;5;6;7;7;10;11;12;12;",
       {1, 2, 3, 5, 6, 7, 10, 11, 12}},
      {"1、01", "1;01;", {1, 1}}, {"0", "0;", {0}}, {"0000000000001～3", "1;2;3;3;", {1, 2, 3}},
      {"1所限定的装置，所述A，", "1;", {1}}, {"1中的装置，其特征在于，所述A，", "1;", {1}},
  };
  // clang-format on
  for (const RefCase& c : cases) {
    EXPECT_EQ(Parse(c.refs), c.raw) << c.refs;
    EXPECT_EQ(ParentNumbersOf(DedupeNumberList(c.raw)), c.numbers) << c.refs;
  }
  EXPECT_EQ(ReadClaimOpening(Gbk("3.如权利要求1所述的装置，")).parentList, "1;");
  EXPECT_EQ(ParentNumbersOf(DedupeNumberList(Parse("1～9999"))).size(), 9999u);
}

// Any fault rejects the whole reference, including the items read before it.
TEST(ParentRefs, UnreadableReferences) {
  for (const char* refs :
       {"1中的装置，", "1--9", "1和2", "4～1", "3～3", "0～3", "1～10000", "1～4294967298",
        "2、1～10000", "1、", "、1", "1～、3", "", "１", "1－3", "第1项"}) {
    EXPECT_EQ(Parse(refs), "") << refs;
  }
}

TEST(ParentRefs, DedupeComparesWholeItemsAsText) {
  const std::pair<std::string, std::string> cases[] = {
      {";;", ""},        {" 1 ;1;\t;", "1;"},    {"1;01;", "1;01;"},
      {"3;1;3", "3;1;"}, {"12;1;2;", "12;1;2;"}, {"2;12;2;", "2;12;"},
      {"7", ""}};
  for (const auto& [list, deduped] : cases) EXPECT_EQ(DedupeNumberList(list), deduped) << list;
}

TEST(ParentRefs, OnlyDependentClaimsAreParsed) {
  Check(GbkParagraphs({"1.装置，其特征在于，根据权利要求1所述的方法。",
                       "2.根据权利要求1和2所述的装置，其特征在于，包括A。"}));
  ASSERT_EQ(g_claims.Count(), 2);
  EXPECT_TRUE(g_claims[0].parentNumbers.empty());
  EXPECT_EQ(HeadOf(0), "[独权1][装置]");
  EXPECT_EQ(HeadOf(1), "★[Err1-1][从权2][装置][父?]");
  EXPECT_EQ(MarksOf(1), "【引用父权编号时格式有误】");
}

}  // namespace
