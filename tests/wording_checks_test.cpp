// The characterising phrase, the one full stop at the end, and doubled punctuation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClaimRecord.h"
#include "TestText.h"

namespace {

struct WordingCase {
  std::vector<std::string> paragraphs;  // of claim 1, UTF-8
  std::string marks;
};

TEST(WordingChecks, PhraseFullStopAndPairs) {
  const std::string head = "1.一种装置，其特征在于，";
  // clang-format off
  const WordingCase cases[] = {
      {{head + "包括A。"}, ""}, {{"1、一种装置，包括A和B。"}, "【缺“其特征在于”】"},
      {{"1.一种装置，包括A，", "其特征在于，B。"}, ""},
      {{"1.一种装置，包括A", "B"}, "【缺“其特征在于”|缺句号】"},
      {{head + "包括A。)"}, "【句号未在结尾】"}, {{head + "包括“A。”"}, "【句号未在结尾】"},
      {{head + "包括A。B。"}, "【多个句号】"}, {{head + "包括A。", "B。"}, "【多个句号】"},
      {{head + "包括A。B。C"}, "【句号未在结尾】"}, {{head + "包括A."}, "【缺句号】"},
      {{head + "包括啊，"}, "【缺句号】"}, {{head + "包括A；；；B。"}, "【存在“；；”】"},
      {{head + "包括A，；：B。"}, "【存在“，；”|存在“；：”】"},
      {{head + "包括A；。"}, "【存在“；。”】"}, {{head + "包括A;;B。"}, ""},
      {{head + "A；：B：；C，：D：，E；，F，；G：：H、、I，，J；；K；。"},
       "【存在“；；”|存在“，，”|存在“、、”|存在“：：”|存在“；。”|存在“，；”|存在“；，”|"
       "存在“：，”|存在“，：”|存在“：；”|存在“；：”】"},
      {{"1.一种装置。A；；B"}, "【缺“其特征在于”|句号未在结尾|存在“；；”】"},
  };
  // clang-format on
  for (const WordingCase& c : cases) {
    SCOPED_TRACE(c.paragraphs.front());
    Analyze(GbkParagraphs(c.paragraphs));
    ASSERT_EQ(g_claims.Count(), 1);
    EXPECT_EQ(MarksOf(0), c.marks);
  }
}

TEST(WordingChecks, MarksAndBracketsBothCount) {
  Analyze(GbkParagraphs({CleanClaim(1), "2.根据权利要求1所述的装置，其特征在于，所述弹簧；；B。"}));
  EXPECT_EQ(TextOf(1), "2.根据权利要求1所述的装置，其特征在于，【所述】弹簧；；B。");
  EXPECT_EQ(MarksOf(1), "【存在“；；”】");
  EXPECT_EQ(g_claims[1].problemCount, 2);
}

}  // namespace
