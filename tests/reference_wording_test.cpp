// Mistyped references, and correct ones the analysis does not read.
#include <gtest/gtest.h>

#include "checks/further/ReferenceWording.h"
#include "support/TestText.h"

namespace {

TEST(ReferenceWording, TyposAndUnreadForms) {
  const std::string one = "1.一种装置，其特征在于，包括A。";
  const std::string tail = "所述的装置，其特征在于，B。";
  // clang-format off
  ExpectFurtherMarks(CheckReferenceWording, {
      {{one, "2.据权利要求1" + tail}, "【疑似引用有误：据权利要求】"},
      {{one, "2.如权力要求1" + tail}, "【疑似引用有误：权力要求】"},
      {{one, "2.如权利要去1" + tail}, "【疑似引用有误：权利要去】"},
      {{one, "2.权利2要求1" + tail}, "【疑似引用有误：权利2要求】"},
      {{one, "2.如权利要1或2" + tail}, "【疑似引用有误：权利要1】"},
      {{one, "2.根据权利要求根据权利要求1" + tail}, "【疑似引用有误：根据权利要求根据权利要求】"},
      // The same slip twice in a claim is shown once.
      {{one, "2.如权力要求1所述的装置，与权力要求1的A相连。"}, "【疑似引用有误：权力要求】"},
      // Correct wording, and the page header "权利要求书" cut short.
      {{one, "2.依据权利要求1" + tail}, "【引用未识别，按独权处理：依据权利要求】"},
      {{one, "2.根据权利要求1" + tail}, ""},
      {{one, "2.一种方法，使用利要求书中的装置。"}, ""},
      // Unread openings: a dependent claim only when the subject is the parent's.
      {{one, "2.按照权利要求1" + tail}, "【引用未识别，按独权处理：按照权利要求】"},
      {{one, "2.权利要求1的装置，其中B。"}, "【引用未识别，按独权处理：权利要求】"},
      {{"1.一种载体的制备方法，包括A。", "2.按照权利要求1所述的载体制备方法，B。"},
       "【引用未识别，按独权处理：按照权利要求】"},
      {{one, "2.权利要求1所述的装置在B中的应用。"}, ""},
      {{one, "2.按照权利要求1所述装置的制备方法，包括B。"}, ""},
      {{one, "2.按照权利要求7" + tail}, ""},
      // "之一" after the numbers of a dependent claim leaves its parents unread: the report's
      // reference-format finding says so, and no second finding here.
      {{one, one, "3.如权利要求1～2之一" + tail}, ""},
      {{one, one, "3.如权利要求1～2中任一项" + tail}, ""},
  });
  // clang-format on
}

}  // namespace
