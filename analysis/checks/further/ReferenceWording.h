// The wording of references to other claims: typing slips, and correct forms the analysis does
// not read.
#pragma once

#include <string_view>
#include <vector>

#include "claims/ClaimRecord.h"
#include "result/Finding.h"

// Appends a reference-wording finding (severity fix, "【疑似引用有误：…】") for each mistyped
// form in `text`: "权力要求", "权利权利", "权利要去", a reference phrase written twice
// ("根据权利要求根据权利要求", "权利要求权利要求", "根据根据"), "权利要" or a "利要求" not after
// "权" before a digit, "权利" and a number before "要求", "据权利要求" not after "根" or "依", and
// a claim number followed by "述" without "所". Then one finding of severity review when the
// claim opens with a correct form that the analysis does not read: "按照", "依据", "依照",
// "遵照" or "按" before "权利要求N", or "权利要求N" itself, where the subject that follows is the
// parent's ("【引用未识别，按独权处理：…】"). A dependent claim whose numbers the report does not
// read already has its reference-format finding, and gets no second one here.
void CheckReferenceWording(const ClaimRecord& record, std::string_view text,
                           std::vector<Finding>& findings);

// True when `findings` hold a reference written wrong ("根据权利权利1", "如权利要1",
// "如前述任一项权利要求"): a reference-wording slip, or reference-unnumbered.
// The claims such a claim depends on are then not known.
bool HoldsMistypedReference(const std::vector<Finding>& findings);
