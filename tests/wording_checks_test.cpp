// The characterising phrase, the one full stop at the end, and doubled punctuation.
#include <gtest/gtest.h>

#include <string>

#include "support/TestText.h"

namespace {

TEST(WordingChecks, PhraseFullStopAndPairs) {
  const std::string head = "1.一种装置，其特征在于，";
  // clang-format off
  ExpectMarks({
      {{"1、一种装置，包括A和B。"}, {"【缺“其特征在于”】"}},
      {{"1.一种装置，包括A，", "其特征在于，B。"}, {""}}, {{head + "包括A;;B。"}, {""}},
      {{head + "包括A。)"}, {"【句号未在结尾】"}}, {{head + "包括A。B。C"}, {"【句号未在结尾】"}},
      {{head + "包括A。B。"}, {"【多个句号】"}}, {{head + "包括A。。"}, {"【多个句号】"}},
      {{head + "包括A."}, {"【缺句号】"}}, {{head + "包括啊，"}, {"【缺句号】"}},
      {{head + "包括A；；；B。"}, {"【存在“；；”】"}},
      {{head + "A；：B：；C，：D：，E；，F，；G：：H、、I，，J；；K；。"},
       {"【存在“；；”|存在“，，”|存在“、、”|存在“：：”|存在“；。”|存在“，；”|存在“；，”|"
        "存在“：，”|存在“，：”|存在“：；”|存在“；：”】"}},
      {{"1.一种装置。A；；B"}, {"【缺“其特征在于”|句号未在结尾|存在“；；”】"}},
  });
  // clang-format on
}

}  // namespace
