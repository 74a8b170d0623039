// References to several claims that are not in the alternative ("根据权利要求1和2所述的").
#pragma once

#include <string_view>
#include <vector>

#include "result/Finding.h"

// Appends a reference-not-alternative finding (severity fix, "【引用未择一：权利要求1和2】") for
// each "权利要求" whose numbers are joined cumulatively or by a range, unless "任", "之一" or
// "一项" follows within the clause's next ten characters ("1至3中任一项", "1-3之一").
void CheckReferenceNotAlternative(std::string_view text, std::vector<Finding>& findings);
