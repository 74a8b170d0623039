// References to other claims that name no claim number ("根据前述权利要求中任一项所述的").
#pragma once

#include <string_view>
#include <vector>

#include "result/Finding.h"

// Appends a reference-unnumbered finding (severity fix, "【引用未写编号：前述权利要求】") for each
// "前述", "上述" or "以上" followed by "权利要求" (with at most one of "任一项", "任意一项",
// "任一", "任何", "各项", "各", "的" between them) that no ASCII digit follows.
void CheckReferenceUnnumbered(std::string_view text, std::vector<Finding>& findings);
