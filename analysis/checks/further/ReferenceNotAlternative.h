// References to several claims that are not in the alternative ("根据权利要求1和2所述的").
#pragma once

#include <string_view>
#include <vector>

#include "result/Finding.h"

// The run of claim numbers that starts at `pos`, as written after "权利要求".
struct NumberList {
  int end = 0;              // where the run ends: `pos` itself when no digit stands there
  bool cumulative = false;  // some numbers are joined by "和", "及", "以及" or "与"
  bool range = false;       // some numbers are joined by "-", "~", "～", "—", "至" or "到"
};

// Reads ASCII digit runs joined by the signs above or by "或", "或者", "、"; after a sign,
// "权利要求" may stand again ("1或权利要求2"). A sign not followed by a number is not read.
NumberList ReadNumberList(std::string_view text, int pos);

// Appends a reference-not-alternative finding (severity fix, "【引用未择一：权利要求1和2】") for
// each "权利要求" whose numbers are joined cumulatively or by a range, unless "任", "之一" or
// "一项" follows within the clause's next ten characters ("1至3中任一项", "1-3之一").
void CheckReferenceNotAlternative(std::string_view text, std::vector<Finding>& findings);
