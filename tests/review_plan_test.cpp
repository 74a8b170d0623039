// The reviewed copy's plan: which findings get a comment, on which words, with which text, and
// the certain corrections as changes, all in the user's own text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/ReviewPlan.h"
#include "support/TestText.h"

namespace {

// "LINE:COLUMN+LENGTH TEXT" per comment or change, in UTF-8.
std::vector<std::string> Listed(const auto& items) {
  std::vector<std::string> lines;
  for (const auto& item : items) {
    lines.push_back(std::to_string(item.place.line) + ":" + std::to_string(item.place.column) +
                    "+" + std::to_string(item.length) + " " + Utf8(item.text));
  }
  return lines;
}

struct PlanCase {
  std::vector<std::string> claims;
  bool further;
  std::vector<std::string> comments, changes;
};

TEST(ReviewPlan, CommentsAndChangesInTheUsersText) {
  const PlanCase cases[] = {
      // An antecedent on "所述" and its term; the claim's number for a claim-level finding,
      // every digit of it; the renumbering as changes of the number and the reference.
      {{"1.一种杯子，其特征在于，包括杯体。", "3.根据权利要求1所述的杯子，其特征在于，所述手柄为塑料。",
        "12.根据权利要求3所述的杯子，其特征在于，杯体为圆形。"},
       false,
       {"2:1+1 需修改：编号与前一条权利要求不连续", "2:22+4 请复核：“手柄”缺乏引用基础",
        "3:1+2 需修改：编号与前一条权利要求不连续"},
       {"2:1+1 2", "3:1+2 3", "3:10+1 2"}},
      // A further check's slip: its change always, its comment with the further checks only.
      {{"1.一种杯子，其特征在于，包括杯体。", "2.据权利要求1所述的杯子，其特征在于，杯体为圆形。"},
       false,
       {},
       {"2:3+5 根据权利要求"}},
      {{"1.一种杯子，其特征在于，包括杯体。", "2.据权利要求1所述的杯子，其特征在于，杯体为圆形。"},
       true,
       {"2:3+5 需修改：引用部分写法有误或未被识别：“据权利要求”"},
       {"2:3+5 根据权利要求"}},
      // Blanks, full-width digits and a character outside GBK count as the user wrote them; the
      // full stop in place of the final "；".
      {{"  1．一种杯子，其特征在于，包括杯体。", "２.根据权利要求１所述的𠀋杯子，其特征在于，杯体 为圆形；"},
       true,
       {"2:1+1 需修改：缺少句号“。”"},
       {"2:29+1 。"}},
      // A note gets no comment: a suspected independent claim.
      {{"1.一种杯子，其特征在于，包括杯体。", "2.一种根据权利要求1所述的杯子的盖，其特征在于，包括盖体。"}, true, {}, {}},
  };
  for (const PlanCase& c : cases) {
    const ReviewPlan plan = PlanReviewOfText(GbkParagraphs(c.claims), c.further);
    EXPECT_EQ(Listed(plan.comments), c.comments) << c.claims.back();
    EXPECT_EQ(Listed(plan.changes), c.changes) << c.claims.back();
  }
}

}  // namespace
