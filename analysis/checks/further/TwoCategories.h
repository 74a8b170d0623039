// Independent claims whose subject names two categories ("…软电缆及其制备工艺").
#pragma once

#include <string_view>
#include <vector>

#include "claims/ClaimRecord.h"
#include "result/Finding.h"

// Appends a two-categories finding (severity fix, "【主题含两类：及其制备方法】") to an
// independent claim whose subject, split at its last "及", "和" or "与" (or "以及"), ends in a word
// of one category while the part before it is of the other: a process ends in "方法", "工艺",
// "应用" or "用途"; a product ends in "装置", "系统", "设备" or "产品" (the part before the
// conjunction counts as a product unless it ends as a process). The part after the conjunction must
// refer back to the part before ("及其制备方法", "和利用该装置的检测方法": "其", "该" or "此"), be
// the category word alone ("装置及方法"), or be two characters and the word after a part that ends
// in a category word ("检测装置及控制方法"); "加热和冷却方法" is one process. After a process, a
// part that refers back and then names, behind a "的", what is made by it is a product whatever
// its last word ("…的制备方法及利用其制备的隐形眼镜", "…方法及由该方法制得的涂层"). Nothing when
// the subject was not recognised.
void CheckTwoCategories(const ClaimRecord& record, std::string_view text,
                        std::vector<Finding>& findings);
