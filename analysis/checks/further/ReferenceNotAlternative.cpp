#include "checks/further/ReferenceNotAlternative.h"

#include <algorithm>

#include "checks/further/WordFinding.h"
#include "claims/ClaimOpening.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// True when "任", "之一" or "一项" stands within ten characters of `pos`, before the clause ends.
bool AlternativeFollows(std::string_view text, int pos) {
  for (int n = 0; n < 10 && pos < Size(text); ++n, pos += CharLength(text[pos])) {
    if (WordAt(text, pos, gbk::kComma) || WordAt(text, pos, gbk::kFullStop) ||
        WordAt(text, pos, gbk::kSemicolon)) {
      return false;
    }
    if (WordAt(text, pos, gbk::kTerminatorAny) || WordAt(text, pos, gbk::kOneOf) ||
        WordAt(text, pos, gbk::kOneItem)) {
      return true;
    }
  }
  return false;
}

}  // namespace

void CheckReferenceNotAlternative(std::string_view text, std::vector<Finding>& findings) {
  for (int pos = FindFrom(text, gbk::kClaimWord); pos != kNotFound;) {
    const NumberList list = ReadNumberList(text, pos + Size(gbk::kClaimWord));
    const int next = std::max(list.end, pos + Size(gbk::kClaimWord));
    if ((list.cumulative || list.range) && !AlternativeFollows(text, list.end)) {
      AddWordFinding(findings, FindingCode::kReferenceNotAlternative, gbk::kLabelNotAlternative,
                     text, pos, list.end - pos);
    }
    pos = FindFrom(text, gbk::kClaimWord, next);
  }
}
