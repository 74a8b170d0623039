// References to several claims that are not in the alternative.
#include <gtest/gtest.h>

#include "checks/further/ReferenceNotAlternative.h"
#include "support/TestText.h"

namespace {

TEST(ReferenceNotAlternative, CumulativeAndBareRanges) {
  ExpectFurtherMarks(CheckReferenceNotAlternative, {
      {"1.根据权利要求1和2所述的装置，B。", "【引用未择一：权利要求1和2】"},
      {"1.根据权利要求1、2以及4所述的装置，B。", "【引用未择一：权利要求1、2以及4】"},
      {"1.根据权利要求1与权利要求3所述的装置，B。", "【引用未择一：权利要求1与权利要求3】"},
      {"1.根据权利要求1至3所述的装置，B。", "【引用未择一：权利要求1至3】"},
      {"1.一种组合物，含有权利要求1-4的A。", "【引用未择一：权利要求1-4】"},
      {"1.根据权利要求1至3中任一项所述的装置，B。", ""},
      {"1.根据权利要求1～3之一所述的装置，B。", ""},
      {"1.根据权利要求2以及11～15中任一项所述的装置，B。", ""},
      {"1.实现如权利要求1-8所述的任一权利要求所述的方法。", ""},
      {"1.根据权利要求1、2或4所述的装置，B。", ""},
      // A sign no number follows is not part of the list.
      {"1.根据权利要求1所述的装置和2个A，B。", ""},
  });
}

}  // namespace
