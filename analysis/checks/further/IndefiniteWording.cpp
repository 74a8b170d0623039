#include "checks/further/IndefiniteWording.h"

#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// True when the two-byte character at `pos` is one of the few in `chars`.
bool IsOneOf(std::string_view chars, std::string_view text, int pos) {
  const std::string_view here = Substring(text, pos, 2);
  for (size_t i = 0; here.size() == 2 && i + 2 <= chars.size(); i += 2) {
    if (chars.substr(i, 2) == here) return true;
  }
  return false;
}

// The length of the indefinite word at `pos` (a character of the heads), or 0.
int WordLength(std::string_view text, int pos, int previous) {
  for (const gbk::GuardedWord& guarded : gbk::kIndefiniteWords) {
    if (!WordAt(text, pos, guarded.word)) continue;
    const int end = pos + Size(guarded.word);
    return IsOneOf(guarded.notBefore, text, end) ? 0 : end - pos;
  }
  static const CharSet kAboutBefore(gbk::kAboutBefore);
  int next = pos + Size(gbk::kAbout);
  if (WordAt(text, next, gbk::kAboutIs)) next += Size(gbk::kAboutIs);  // "约为70℃"
  if (WordAt(text, pos, gbk::kAbout) && next < Size(text) && IsAsciiDigit(text[next]) &&
      !kAboutBefore.HasAt(text, previous)) {
    return Size(gbk::kAbout);
  }
  return 0;
}

// True when a number and at most three characters of its unit ("℃", "%", "mm", "分钟") end
// right before `pos`; two-byte units are Chinese characters and "℃", "°", "‰". Walked back over: a
// byte of 0x80 or more before a character boundary is the second byte of a two-byte character, and
// a digit is never part of another character; an ASCII letter right behind such a byte might be its
// second byte, and then no number is taken.
bool NumberBefore(std::string_view text, int pos) {
  constexpr int kMaxUnitChars = 3;
  for (int units = 0; units <= kMaxUnitChars && pos > 0; ++units) {
    const char c = text[pos - 1];
    if (IsAsciiDigit(c)) return true;
    if (CharLength(c) == 2) {
      static const CharSet kUnitSigns(gbk::kUnitSigns);
      if (!IsHanziAt(text, pos - 2) && !kUnitSigns.HasAt(text, pos - 2)) return false;
      pos -= 2;
    } else if (c == '%' || c == '/' || c == '.' ||
               (IsAsciiLetter(c) && (pos < 2 || CharLength(text[pos - 2]) == 1))) {
      --pos;
    } else {
      return false;
    }
  }
  return false;
}

// True when "左右" ending at `end` stands on its own, not as part of "左右两侧" and the like.
bool EndsWord(std::string_view text, int end) {
  static const CharSet kAfter(gbk::kLeftRightAfter);
  return !IsHanziAt(text, end) || kAfter.HasAt(text, end);
}

}  // namespace

void CheckIndefiniteWording(std::string_view text, std::vector<Finding>& findings) {
  static const CharSet kHeads(gbk::kIndefiniteHeads);
  FindWords(text, kHeads, FindingCode::kIndefiniteWording, findings,
            [&](int pos, int previous) {
              int length = WordLength(text, pos, previous);
              if (length == 0 && WordAt(text, pos, gbk::kLeftRight) && NumberBefore(text, pos) &&
                  EndsWord(text, pos + Size(gbk::kLeftRight))) {
                length = Size(gbk::kLeftRight);
              }
              return WordFound{length, gbk::kLabelIndefinite};
            });
}
