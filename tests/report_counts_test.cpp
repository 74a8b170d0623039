// The summary and the stars count every mark the report shows, whatever bytes the text holds.
#include <gtest/gtest.h>

#include <string>

#include "CheckCommand.h"
#include "ClaimRecord.h"
#include "GbkText.h"
#include "GbkTexts.h"

namespace {

TEST(ReportCountsTest, MarkAfterTextEndingInLoneLeadByteIsCounted) {
  // "1.一种装置，其特征在于。" and a lead byte with no partner: the claim does not end with its
  // full stop, and the mark for that must count although the text's last character is torn.
  const std::string text = "1.\xD2\xBB\xD6\xD6\xD7\xB0\xD6\xC3\xA3\xAC" +
                           std::string(gbk::kCharacterisedBy) + std::string(gbk::kFullStop) +
                           "\x81";
  const CheckOutcome outcome = RunCheck(text);
  ASSERT_EQ(g_claims.Count(), 1);
  EXPECT_EQ(g_claims[0].marks, gbk::kMarkFullStopNotAtEnd);
  EXPECT_EQ(g_claims[0].problemCount, 1);
  EXPECT_TRUE(Contains(outcome.shownText, std::string(gbk::kProblemTag) + "1-1]"));
  EXPECT_FALSE(outcome.congratulate);
}

}  // namespace
