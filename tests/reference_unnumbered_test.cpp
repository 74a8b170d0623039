// References that name no claim number.
#include <gtest/gtest.h>

#include "checks/further/ReferenceUnnumbered.h"
#include "support/TestText.h"

namespace {

TEST(ReferenceUnnumbered, NoNumberAfterTheClaimWord) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.根据前述权利要求中任一项所述的方法，B。", "【引用未写编号：前述权利要求】"},
      {"1.如前述任一项权利要求所述的方法，B。", "【引用未写编号：前述任一项权利要求】"},
      {"1.一种装置，执行以上各权利要求的方法。", "【引用未写编号：以上各权利要求】"},
      {"1.一种装置，包括上述权利要求1-5中任一项的A。", ""},
      {"1.一种装置，包括上述部件。", ""},
  };
  for (const auto& [claim, marks] : cases) {
    EXPECT_EQ(FurtherMarks(CheckReferenceUnnumbered, claim), marks) << claim;
  }
}

}  // namespace
