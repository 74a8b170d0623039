#include "ReferenceUnnumbered.h"

#include "FurtherChecks.h"
#include "GbkText.h"
#include "GbkTexts.h"

namespace {

// The length of an unnumbered reference at `pos`, or 0.
int UnnumberedLength(std::string_view text, int pos) {
  if (!HasAt(text, pos, gbk::kFormerly) && !HasAt(text, pos, gbk::kAbove) &&
      !HasAt(text, pos, gbk::kAboveAll)) {
    return 0;
  }
  int end = pos + Size(gbk::kFormerly);
  for (std::string_view filler : gbk::kUnnumberedFillers) {
    if (!HasAt(text, end, filler)) continue;
    end += Size(filler);
    break;
  }
  if (!HasAt(text, end, gbk::kClaimWord)) return 0;
  end += Size(gbk::kClaimWord);
  return end < Size(text) && IsAsciiDigit(text[end]) ? 0 : end - pos;
}

}  // namespace

void CheckReferenceUnnumbered(std::string_view text, std::vector<Finding>& findings) {
  static const CharSet kHeads(gbk::kUnnumberedHeads);
  FindWords(text, kHeads, FindingCode::kReferenceUnnumbered, Severity::kFix, findings,
            [&](int pos, int) {
              return WordFound{UnnumberedLength(text, pos), gbk::kLabelReferenceUnnumbered};
            });
}
