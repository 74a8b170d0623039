// References that name no claim number.
#include <gtest/gtest.h>

#include "checks/further/ReferenceUnnumbered.h"
#include "checks/further/ReferenceWording.h"
#include "support/TestText.h"

namespace {

TEST(ReferenceUnnumbered, NoNumberAfterTheClaimWord) {
  ExpectFurtherMarks(CheckReferenceUnnumbered, {
      {"1.根据前述权利要求中任一项所述的方法，B。", "【引用未写编号：前述权利要求】"},
      {"1.如前述任一项权利要求所述的方法，B。", "【引用未写编号：前述任一项权利要求】"},
      {"1.一种装置，执行以上各权利要求的方法。", "【引用未写编号：以上各权利要求】"},
      {"1.按照权利要求所述的方法，B。", "【引用未写编号：按照权利要求】"},
      {"1.根据权利要求中任一项所述的方法，B。", "【引用未写编号：根据权利要求】"},
      {"1.如权利要求所述的方法，依据权利要求的A。",
       "【引用未写编号：如权利要求】【引用未写编号：依据权利要求】"},
      {"1.一种装置，包括上述权利要求1-5中任一项的A。", ""},
      {"1.按照权利要求１所述的方法，根据权利要求2的A。", ""},
      {"1.一种装置，包括上述部件。", ""},
  });
}

TEST(ReferenceUnnumbered, LeavesTheDoubledPhraseToReferenceWording) {
  const auto both = [](const ClaimRecord& record, std::string_view text,
                       std::vector<Finding>& findings) {
    CheckReferenceWording(record, text, findings);
    CheckReferenceUnnumbered(text, findings);
  };
  EXPECT_EQ(FurtherMarks(both, {"1.一种装置，其特征在于，A。",
                                "2.根据权利要求根据权利要求1所述的装置，B。"}),
            "【疑似引用有误：根据权利要求根据权利要求】");
}

}  // namespace
