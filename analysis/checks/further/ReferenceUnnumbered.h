// References to other claims that name no claim number ("根据前述权利要求中任一项所述的").
#pragma once

#include <string_view>
#include <vector>

#include "result/Finding.h"

// Appends a reference-unnumbered finding (severity fix, "【引用未写编号：前述权利要求】") for each
// "权利要求" that no claim number (ASCII or full-width digits) follows, where it stands right
// behind a word that opens a reference: "前述", "上述" or "以上" (with at most one of "任一项",
// "任意一项", "任一", "任何", "各项", "各", "的" between them), or a reference verb, "根据",
// "按照", "依据", "依照", "遵照", "如" or "按" ("按照权利要求所述的"). Nothing within a
// reference-wording finding already in `findings` ("根据权利要求根据权利要求1"): that slip is one.
void CheckReferenceUnnumbered(std::string_view text, std::vector<Finding>& findings);
