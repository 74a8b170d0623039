// Telling independent claims from dependent ones, and reading their subjects.
#include <gtest/gtest.h>

#include <string>

#include "claims/SubjectRecognition.h"
#include "support/TestText.h"

namespace {

struct SubjectCase {
  std::string text;  // UTF-8
  bool independent;
  std::string subject;  // as recognised, before short subjects are dropped
};

TEST(SubjectRecognition, KindAndSubject) {
  // clang-format off
  const SubjectCase cases[] = {
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
  for (const SubjectCase& c : cases) {
    uint8_t isIndependent = 7;
    const std::string text = Gbk(c.text);
    EXPECT_EQ(Utf8(RecognizeSubject(text, ReadClaimOpening(text), isIndependent)), c.subject)
        << c.text;
    EXPECT_EQ(isIndependent, c.independent ? 1 : 0) << c.text;
  }
}

}  // namespace
