// The one reading of a claim's opening: its form, the numbers of its reference read both ways,
// what follows them, and the spans of its subject; the parents' list, and the claim's kind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "claims/ClaimOpening.h"
#include "claims/ClaimRecord.h"
#include "claims/ParentRefs.h"
#include "claims/SubjectRecognition.h"
#include "support/TestText.h"

namespace {

std::string Text(const std::string& gbk, TextSpan span) { return Utf8(SpanText(gbk, span)); }

// The numbers as the further checks read them, and the report's own list of the same opening.
struct ListCase {
  std::string claim;  // UTF-8
  ReferenceForm form;
  std::string list;        // the further checks' numbers
  bool cumulative, range;  // how they are joined
  ListEnd end;             // what follows them
  std::string parentList;  // the report's reading, "" when it reads none
};

TEST(ClaimOpening, NumbersReadBothWays) {
  using enum ReferenceForm;
  // clang-format off
  const ListCase cases[] = {
      {"3.根据权利要求1或2所述的装置，", kPhrase, "1或2", false, false, ListEnd::kSaid, "1;2;"},
      {"5.如权利要求1～3中任一项所述的装置，", kPhrase, "1～3", false, true, ListEnd::kIn, "1;2;3;3;"},
      {"5.根据权利要求2、4-6或9任一项所述的装置，", kPhrase, "2、4-6或9", false, true, ListEnd::kAny,
       "2;4;5;6;6;9;"},
      // Where the two readings part: the report skips a doubled sign the further checks stop at,
      // and knows neither "和", "或者", "—" nor "权利要求" again.
      {"5.根据权利要求1、、2所述的装置，", kPhrase, "1", false, false, ListEnd::kOther, "1;;2;"},
      {"3.根据权利要求1和2所述的装置，", kPhrase, "1和2", true, false, ListEnd::kSaid, ""},
      {"3.根据权利要求1或者2所述的装置，", kPhrase, "1或者2", false, false, ListEnd::kSaid, ""},
      {"5.如权利要求1—5之一所述的装置，", kPhrase, "1—5", false, true, ListEnd::kOneOf, ""},
      {"5.根据权利要求1或权利要求2所述的装置，", kPhrase, "1或权利要求2", false, false,
       ListEnd::kSaid, ""},
      {"5.根据权利要求1以及3的装置，", kPhrase, "1以及3", true, false, ListEnd::kOf, ""},
      // A sign no number follows is no part of the list; the report rejects the whole reference.
      {"5.根据权利要求1、所述的装置，", kPhrase, "1", false, false, ListEnd::kOther, ""},
      {"5.根据权利要求4～1所述的装置，", kPhrase, "4～1", false, true, ListEnd::kSaid, ""},
      {"5.根据权利要求1，所述装置包括A。", kPhrase, "1", false, false, ListEnd::kComma, ""},
      {"5.根据权利要求所述的装置，", kPhrase, "", false, false, ListEnd::kSaid, ""},
      {"5.根据权利要求1中的装置，包括A。", kPhrase, "1", false, false, ListEnd::kIn, ""},
      // Openings the report reads as independent: their numbers, never its list.
      {"2.按照权利要求1所述的装置，", kUnreadWord, "1", false, false, ListEnd::kSaid, ""},
      {"2.依据权利要求1至3的装置，", kUnreadWord, "1至3", false, true, ListEnd::kOf, ""},
      {"2.权利要求12所述的方法，", kClaimWord, "12", false, false, ListEnd::kSaid, ""},
      {"2.按照要求1的装置，", kNone, "", false, false, ListEnd::kOther, ""},
      {"1.一种装置，包括权利要求1的A。", kNone, "", false, false, ListEnd::kOther, ""},
  };
  // clang-format on
  for (const ListCase& c : cases) {
    const std::string text = Gbk(c.claim);
    const ClaimOpening opening = ReadClaimOpening(text);
    const NumberList& list = opening.list;
    EXPECT_EQ(opening.form, c.form) << c.claim;
    EXPECT_EQ(Text(text, {list.start, list.end - list.start}), c.list) << c.claim;
    EXPECT_EQ(list.cumulative, c.cumulative) << c.claim;
    EXPECT_EQ(list.range, c.range) << c.claim;
    EXPECT_EQ(opening.listEnd, c.end) << c.claim;
    EXPECT_EQ(opening.parentList, c.parentList) << c.claim;
  }
}

struct SubjectCase {
  std::string claim;     // UTF-8
  std::string subject;   // as the report reads it, "" when not read
  std::string named;     // the subject an unread reference names
  std::string firstRun;  // the run from the first Chinese character, without a reference phrase
};

TEST(ClaimOpening, SubjectSpans) {
  // clang-format off
  const SubjectCase cases[] = {
      {"1.一种数据处理装置，其特征在于，", "数据处理装置", "", "一种数据处理装置"},
      {"1.一种A\r\nB", "A", "", "一种A"}, {"1.\r一种", "", "", ""},
      {"1.、一种、装置～A。", "、装置～A", "", "一种、装置～A"},
      {"1.一种(A型)装置，", "(A型)装置", "", "一种(A型)装置"}, {"1.，一种", "", "", ""},
      {"3.如权利要求1或2所述的一种装置，", "装置", "", ""},
      {"2.根据权利要求1，所述装置，", "", "", ""},
      // The unread reference names the subject after its "所述", or after its numbers.
      {"2.按照权利要求1所述的一种装置，其特征在于", "按照权利要求1所述的一种装置", "装置",
       "按照权利要求1所述的一种装置"},
      {"2.权利要求1的装置在B中的应用。", "权利要求1的装置在B中的应用", "装置在B中的应用",
       "权利要求1的装置在B中的应用"},
      {"2.依据权利要求1所述；A", "依据权利要求1所述", "", "依据权利要求1所述"},
  };
  // clang-format on
  for (const SubjectCase& c : cases) {
    const std::string text = Gbk(c.claim);
    const ClaimOpening opening = ReadClaimOpening(text);
    EXPECT_EQ(Text(text, opening.subject), c.subject) << c.claim;
    EXPECT_EQ(Text(text, opening.namedSubject), c.named) << c.claim;
    EXPECT_EQ(Text(text, opening.firstRun), c.firstRun) << c.claim;
  }
}

TEST(ClaimOpening, TextsWithoutAChineseCharacter) {
  for (std::string_view text :
       {std::string_view("abc"), std::string_view("1.\xB0"), std::string_view()}) {
    const ClaimOpening opening = ReadClaimOpening(text);
    EXPECT_EQ(opening.first, kNotFound);
    EXPECT_EQ(opening.form, ReferenceForm::kNone);
    EXPECT_EQ(SpanText(text, opening.subject), "");
  }
}

// Reading the claims a dependent claim refers to.

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

// Telling independent claims from dependent ones, and reading their subjects.

struct KindCase {
  std::string text;  // UTF-8
  bool independent;
  std::string subject;  // as recognised, before short subjects are dropped
};

TEST(SubjectRecognition, KindAndSubject) {
  // clang-format off
  const KindCase cases[] = {
      {"1.一种数据处理装置，其特征在于，包括：", true, "数据处理装置"},
      {"1.数据处理装置，包括：", true, "数据处理装置"},
      {"1.一种用于LED的驱动电路，", true, "用于LED的驱动电路"},
      {"1.一种装置(A型)、系统～B，", true, "装置(A型)、系统～B"}, {"1.一种灯，", true, "灯"},
      {"1.一种装置其特征在于包括A，", true, ""}, {"1.一种裝置，", true, ""},
      {"1.一种一种装置，", true, "一种装置"}, {"1.一种装置\r\n包括A，", true, "装置"},
      {"2.按照权利要求1所述的装置，", true, "按照权利要求1所述的装置"},
      {"2.根据权利要", true, "根据权利要"}, {"1.，一种装置，", true, ""}, {"abc", true, ""},
      {"3.如权利要求1或2所述的一种装置，", false, "装置"},
      {"2.根据权利要求1所述的装置：包括A，", false, "装置"},
      {"2.根据权利要求1所述的的装置，", false, "的装置"},
      {"2.根据权利要求1所述一种的装置，", false, "的装置"},
      {"2.根据权利要求1，所述装置，", false, ""},
      {"2.根据权利要求1所述的装置其特征在于：", false, ""},
      {"2.根据权利要求1所述的装置、系统，", false, ""}, {"2.根据权利要求1所述的装置", false, ""},
      {"2.根据权利要求1所述的装置\r\n，包括A", false, ""},
      {"2.根据权利要求1所述的装置；A，", false, ""}, {"2.根据权利要求1所述的裝置，", false, "裝置"},
      {"，根据权利要求1所述的装置，", false, "装置"},
      {"2.A根据权利要求1所述的装置，", false, "装置"},
  };
  // clang-format on
  for (const KindCase& c : cases) {
    uint8_t isIndependent = 7;
    const std::string text = Gbk(c.text);
    EXPECT_EQ(Utf8(RecognizeSubject(text, ReadClaimOpening(text), isIndependent)), c.subject)
        << c.text;
    EXPECT_EQ(isIndependent, c.independent ? 1 : 0) << c.text;
  }
}

}  // namespace
