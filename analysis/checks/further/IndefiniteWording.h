// Words that make a claim's scope unclear ("优选地", "约1.4bar", "30℃左右").
#pragma once

#include <string_view>
#include <vector>

#include "result/Finding.h"

// Appends an indefinite-wording finding (severity review, "【用语不确定：优选】") for each of:
// "优选", "较优", "更优", "最优", "较佳", "尤其", "特别是", "例如", "比如", "诸如", "最好",
// "必要时", "或类似物", "大约" (but not "优选出", "最优化", "最优解", nor "例如" and "比如" before
// "下", as in "配比如下"); "约" before an ASCII digit or before "为" and a digit, but not after
// "预", "节", "简", "契", "合", "制", "公", "条" or "隐"; and "左右" at most three characters of
// unit ("℃", "%", "mm", "分钟") behind a digit, when no Chinese character follows it other than
// "的", "时", "后", "内", "即" or "之" (so not "左右两侧"). A unit letter right behind a two-byte
// character is not told from that character's second byte: no number is taken then.
void CheckIndefiniteWording(std::string_view text, std::vector<Finding>& findings);
