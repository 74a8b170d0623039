// Words written twice and the characterising phrase mistyped ("所述所述", "其特征在").
#pragma once

#include <string_view>
#include <vector>

#include "result/Finding.h"

// Appends a repeated-word finding (severity fix) for each of: a run of 2 to 6 Chinese characters
// written twice in a row ("【用词重复：所述所述】"), unless it begins or ends with "的", is a
// two-character word opening with "一" ("一层一层"), is a two-character word whose second copy
// runs on into a noun ("填充填充物": "物", "器", "剂", "液", "件", "体", "层" after it), lies in a
// chemical name, whose syllables repeat ("3-(2,3-环氧丙氧丙基)三甲氧基硅烷": Chinese characters
// right behind a locant's "-" or a substituent's "("), or lies within a reference-wording
// finding already in `findings`; "其特征在于" written twice, with or without one punctuation mark
// between ("【用词重复：其特征在于：其特征在于】") or its first copy cut short
// ("【用词重复：其特其特性在于】"), one slip corrected to the phrase once; "的的" not before "确"; "其特征在" not followed
// by "于" ("【疑似漏字：其特征在】"); and "其特性在于" ("【疑似笔误：其特性在于】"). A run of one
// character ("忖忖忖忖") is found with no correction: which characters are the slip is not known.
void CheckRepeatedWord(std::string_view text, std::vector<Finding>& findings);
