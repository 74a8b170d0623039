// Words that make a claim's scope unclear ("优选地", "约1.4bar", "30℃左右").
#pragma once

#include <string_view>
#include <vector>

#include "result/Finding.h"

// Appends an indefinite-wording finding ("【用语不确定：优选】") for each word that states a
// preference or gives an example, which draws an objection as a matter of course (severity fix):
// "优选", "较优", "更优", "最优", "较佳", "最好", "例如", "比如", "诸如", "特别是", "尤其" (but not
// "优选出", "最优化", "最优解", nor "例如" and "比如" before "下", as in "配比如下"); and, of
// severity review, for each word that leaves a bound or a condition open: "必要时", "或类似物",
// "大约"; "约" before an ASCII digit or before "为" and a digit, but not after "预", "节", "简",
// "契", "合", "制", "公", "条" or "隐"; and "左右" right behind a number and its unit, compound
// units included ("30℃左右", "2小时左右", "1m/min左右"), when no Chinese character follows it
// other than "的", "时", "后", "内", "即" or "之" (so not "左右两侧"); and "等" closing a list of
// alternatives ("圆形、异形等形状"): a "、" before it in its clause, at most forty characters back,
// and no word made with the character after or before it ("等于", "等离子", "等距", "相等", "中等"). A unit letter right behind
// a two-byte character is not told from that character's second byte: no number is taken then.
void CheckIndefiniteWording(std::string_view text, std::vector<Finding>& findings);
