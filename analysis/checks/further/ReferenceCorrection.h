// The one right form of a mistyped reference to another claim.
#pragma once

#include <string>
#include <string_view>

// The correct form of `typo` (GBK), a mistyped reference as the reference-wording check finds it:
// a phrase written twice once ("根据根据" → "根据"), "权力要求" and "权利要去" → "权利要求",
// "据权利要求" → "根据权利要求", "利要求1" → "权利要求1", "权利要1" → "权利要求1",
// "权利2要求" → "权利要求2" ("权利2要求2" → "权利要求2"), "权利要求1述" → "权利要求1所述".
// `after` is the text behind the typo: "权利权利" is written once only before "要求", and the
// number inside "权利2要求" moves out only when no other number follows. "" when the right form
// is not certain (also when `after` opens with it: the words would stand twice), and for any
// other text.
std::string CorrectedReference(std::string_view typo, std::string_view after);
