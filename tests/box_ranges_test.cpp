// Where the findings lie in the report as a text box holds it, in UTF-16 units.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckCommand.h"
#include "report/BoxRanges.h"
#include "support/TestText.h"

namespace {

// The report as a box holds it: UTF-16, each "\r\n" one "\n".
std::u16string BoxText(const std::string& report) {
  std::string utf8 = Utf8(report);
  for (size_t at = utf8.find("\r\n"); at != std::string::npos; at = utf8.find("\r\n", at)) {
    utf8.erase(at, 1);
  }
  return Utf16(utf8);
}

TEST(BoxRanges, EachFindingAtTheInsideOfItsBracket) {
  // Characters outside the first plane count two units, four-byte ones inside it one, and every
  // line break of the report one.
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"1.一种\U00020000杯，其特征在于，所述手柄。\r\n2.根据权利要求1所述的杯，其特征在于，"
       "\u0080\U0001F600所述杯盖",
       {"不能识别本权项主题", "所述", "不能识别本权项主题|缺句号", "不能识别本权项主题|缺句号",
        "所述"}},
      {"1.一种杯子，其特征在于，包括杯体。\r\n2.根据权利要求1所述的杯子，其特征在于，所述手柄(3)为陶瓷。"
       "\r\n4.根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形",
       {"所述手柄(3)", "本权编号与前不连续|缺句号", "本权编号与前不连续|缺句号"}},
  };
  for (const auto& [box, insides] : cases) {
    const CheckOutcome outcome = RunCheck(Gbk(box), {}, kPlacesNone);
    const std::u16string shown = BoxText(outcome.shownText);
    std::vector<std::u16string> found, expected;
    for (const BoxRange& range : FindingRangesInBox(outcome.result, outcome.shownText)) {
      found.push_back(shown.substr(range.start, range.end - range.start));
    }
    for (const std::string& inside : insides) expected.push_back(Utf16(inside));
    EXPECT_EQ(found, expected) << box;
  }
}

}  // namespace
