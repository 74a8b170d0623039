// The severity rules: the gravity of each code, lowered to a note where the engine is unsure of
// its own reading of the claim, and one finding for one cause.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckCommand.h"
#include "support/TestText.h"

namespace {

// "code:severity" of each finding of the last claim of `claims` (UTF-8), checked with review.
std::vector<std::string> SeveritiesOfLast(const std::vector<std::string>& claims) {
  const CheckOutcome outcome = RunCheck(GbkParagraphs(claims), {.review = true});
  std::vector<std::string> found;
  if (outcome.result.claims.empty()) return found;
  for (const Finding& f : outcome.result.claims.back().findings) {
    found.push_back(std::string(FindingCodeName(f.code)) + ":" +
                    std::string(SeverityName(f.severity)));
  }
  return found;
}

TEST(FindingSeverity, GravityLoweredWhereTheReadingIsUnsure) {
  const std::string one = "1.一种装置，其特征在于，包括A。";
  // clang-format off
  const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
      // A reference the report cannot read is a defect, unless it is a correct form it does not
      // know; "之一" makes one finding, with or without the review.
      {{one, "2.根据权利要求1述的装置，其特征在于，B。"},
       {"reference-format:fix", "no-subject:note", "reference-wording:fix"}},
      {{one, "2.根据权利要求1所述的装置，其特征在于，B。", "3.如权利要求1～2之一所述的装置，其特征在于，C。"},
       {"reference-format:note"}},
      {{one, "2.根据权利要求1或权利要求2所述的装置，其特征在于，B。"},
       {"reference-format:note"}},
      // A dependent claim that names nothing after its reference, and one whose subject is there
      // but not read.
      {{one, "2.根据权利要求1，其特征在于，B。"}, {"reference-format:fix", "no-subject:review"}},
      {{one, "2.根据权利要求1所述的装置其特征在于，B。"}, {"no-subject:note"}},
      // A missing "其特征在于": worth a look on an independent claim, a note where it cites a
      // claim, is dependent, or says "其特征是".
      {{"1.一种装置，包括A。"}, {"no-characterising-phrase:review"}},
      {{"1.一种装置，包括权利要求书中的A。"},
       {"suspected-independent:note", "no-characterising-phrase:note"}},
      {{"1.一种装置，其特征是，包括A。"}, {"no-characterising-phrase:note"}},
      {{one, "2.根据权利要求1所述的装置，包括B。"}, {"no-characterising-phrase:note"}},
      // No full stop: a defect, unless a formula or a table was to follow.
      {{"1.一种装置，其特征在于，包括A"}, {"no-full-stop:fix"}},
      {{"1.一种化合物，其特征在于，具有如下结构式："}, {"no-full-stop:review"}},
      {{"1.一种化合物，其特征在于，如式(I)"}, {"no-full-stop:review"}},
      {{"1.一种化合物，其特征在于，选自通式(1-3)"}, {"no-full-stop:review"}},
      {{"1.一种装置，其特征在于，包括吸盘(6)"}, {"no-full-stop:fix"}},
      {{"1.一种装置，其特征在于，包括壳体(高强度钢材料)"}, {"no-full-stop:fix"}},
      // A correct reference the report read as independent (a notice on the reading), and a
      // mistyped one.
      {{one, "2.按照权利要求1所述的装置，其特征在于，B。"}, {"reference-wording:note"}},
      {{one, "2.如权力要求1所述的装置，其特征在于，B。"}, {"reference-wording:fix"}},
  };
  // clang-format on
  for (const auto& [claims, severities] : cases) {
    EXPECT_EQ(SeveritiesOfLast(claims), severities) << claims.back();
  }
}

}  // namespace
