#include "checks/further/ReferenceCorrection.h"

#include "text/FixTexts.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string Joined(std::string_view a, std::string_view b) {
  std::string joined(a);
  joined.append(b);
  return joined;
}

// The digits of "权利2要求", or "" when `typo` is not of that shape.
std::string_view NumberInsideClaimWord(std::string_view typo) {
  const int start = Size(gbk::kRightWord);
  if (!StartsWith(typo, gbk::kRightWord) || !EndsWith(typo, gbk::kRequireWord)) return {};
  const int end = DigitRunEnd(typo, start);
  if (end == start || end + Size(gbk::kRequireWord) != Size(typo)) return {};
  return typo.substr(start, end - start);
}

}  // namespace

std::string CorrectedReference(std::string_view typo) {
  const size_t half = typo.size() / 2;
  if (half > 0 && typo.size() % 2 == 0 && typo.substr(0, half) == typo.substr(half)) {
    return std::string(typo.substr(0, half));
  }
  if (typo == gbk::kClaimWordPower || typo == gbk::kClaimWordQu) return std::string(gbk::kClaimWord);
  if (typo == gbk::kRefPhraseHeadless) return Joined(gbk::kRootChar, typo);
  if (StartsWith(typo, gbk::kClaimWord) && EndsWith(typo, gbk::kSaidTail)) {
    return Joined(Joined(typo.substr(0, typo.size() - gbk::kSaidTail.size()), gbk::kSoChar),
                  gbk::kSaidTail);
  }
  if (StartsWith(typo, gbk::kClaimWordHeadless)) return Joined(gbk::kRightHead, typo);
  if (StartsWith(typo, gbk::kClaimWordShort)) {
    return Joined(gbk::kClaimWord, typo.substr(gbk::kClaimWordShort.size()));
  }
  const std::string_view digits = NumberInsideClaimWord(typo);
  return digits.empty() ? std::string() : Joined(gbk::kClaimWord, digits);
}
