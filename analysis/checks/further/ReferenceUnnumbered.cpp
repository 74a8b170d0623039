#include "checks/further/ReferenceUnnumbered.h"

#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

bool OpensUnnumbered(std::string_view text, int pos) {
  return HasAt(text, pos, gbk::kFormerly) || HasAt(text, pos, gbk::kAbove) ||
         HasAt(text, pos, gbk::kAboveAll);
}

// Where the reference verb that ends right before `claimWord` begins, or kNotFound.
int VerbStart(std::string_view text, int claimWord) {
  for (std::string_view verb : gbk::kReferenceVerbs) {
    const int start = claimWord - Size(verb);
    if (start >= 0 && HasAt(text, start, verb)) return start;
  }
  return kNotFound;
}

// Where the unnumbered reference ending in the "权利要求" at `claimWord` begins, or kNotFound.
// Every character of such a reference is a two-byte one, so counting back from a character
// boundary over their bytes lands on character boundaries.
int UnnumberedStart(std::string_view text, int claimWord) {
  const int opening = Size(gbk::kFormerly);
  if (claimWord >= opening && OpensUnnumbered(text, claimWord - opening)) {
    return claimWord - opening;
  }
  for (std::string_view filler : gbk::kUnnumberedFillers) {
    const int start = claimWord - Size(filler) - opening;
    if (start >= 0 && HasAt(text, start + opening, filler) && OpensUnnumbered(text, start)) {
      return start;
    }
  }
  return VerbStart(text, claimWord);
}

// True when a claim number, in ASCII or full-width digits, stands at `pos`.
bool NumberAt(std::string_view text, int pos) {
  if (pos >= Size(text)) return false;
  if (IsAsciiDigit(text[pos])) return true;
  const std::string_view digit = Substring(text, pos, 2);
  return digit.size() == 2 && digit[0] == gbk::kFullWidthZero[0] &&
         digit[1] >= gbk::kFullWidthZero[1] && digit[1] <= gbk::kFullWidthNine[1];
}

}  // namespace

void CheckReferenceUnnumbered(std::string_view text, std::vector<Finding>& findings) {
  for (int pos = FindFrom(text, gbk::kClaimWord); pos != kNotFound;) {
    const int end = pos + Size(gbk::kClaimWord);
    const int start = UnnumberedStart(text, pos);
    if (start != kNotFound && !NumberAt(text, end) && !WithinReferenceSlip(findings, pos)) {
      AddWordFinding(findings, FindingCode::kReferenceUnnumbered, Severity::kFix,
                     gbk::kLabelReferenceUnnumbered, text, start, end - start);
    }
    pos = FindFrom(text, gbk::kClaimWord, end);
  }
}
