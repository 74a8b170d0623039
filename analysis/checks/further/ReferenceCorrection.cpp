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

// The right form of `typo` as it stands, whatever follows it.
std::string RightForm(std::string_view typo, std::string_view after) {
  const size_t half = typo.size() / 2;
  if (half > 0 && typo.size() % 2 == 0 && typo.substr(0, half) == typo.substr(half)) {
    // "权利权利1": whether "要求" or a second word was lost is a guess.
    if (typo == gbk::kClaimWordTwice && !StartsWith(after, gbk::kRequireWord)) return {};
    return std::string(typo.substr(0, half));
  }
  if (typo == gbk::kClaimWordPower || typo == gbk::kClaimWordQu) return std::string(gbk::kClaimWord);
  if (typo == gbk::kRefPhraseHeadless) return Joined(gbk::kRootChar, typo);
  if (StartsWith(typo, gbk::kClaimWord) && EndsWith(typo, gbk::kSaidTail)) {
    return Joined(Joined(typo.substr(0, typo.size() - gbk::kSaidTail.size()), gbk::kSoChar),
                  gbk::kSaidTail);
  }
  if (StartsWith(typo, gbk::kClaimWordHeadless) || StartsWith(typo, gbk::kClaimWordShort)) {
    const std::string word =
        StartsWith(typo, gbk::kClaimWordHeadless)
            ? Joined(gbk::kRightHead, typo)
            : Joined(gbk::kClaimWord, typo.substr(gbk::kClaimWordShort.size()));
    // "利要求1述": the word whole, then "所述" whole as well.
    return EndsWith(word, gbk::kSaidTail) ? RightForm(word, after) : word;
  }
  const std::string_view digits = NumberInsideClaimWord(typo);
  if (digits.empty()) return {};
  // "权利2要求2": the number written twice, once in the word; another number is a guess.
  const std::string_view behind = after.substr(0, DigitRunEnd(after, 0));
  if (behind.empty()) return Joined(gbk::kClaimWord, digits);
  return behind == digits ? std::string(gbk::kClaimWord) : std::string();
}

std::string CorrectedReference(std::string_view typo, std::string_view after) {
  std::string right = RightForm(typo, after);
  // Written again right behind, the right form would make the words twice ("据权利要求根据权利
  // 要求"): the slip is a broken copy, and which copy to keep is the drafter's choice.
  if (!right.empty() && StartsWith(after, right)) return {};
  return right;
}
