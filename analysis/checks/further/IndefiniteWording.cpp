#include "checks/further/IndefiniteWording.h"

#include <algorithm>

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

// The length of the guarded word of `words` at `pos`, or 0.
template <size_t N>
int GuardedLength(const gbk::GuardedWord (&words)[N], std::string_view text, int pos) {
  for (const gbk::GuardedWord& guarded : words) {
    if (!WordAt(text, pos, guarded.word)) continue;
    const int end = pos + Size(guarded.word);
    return IsOneOf(guarded.notBefore, text, end) ? 0 : end - pos;
  }
  return 0;
}

// The length of "约" at `pos` when it stands before a number ("约1.4bar", "约为70℃"), or 0.
int AboutLength(std::string_view text, int pos, int previous) {
  static const CharSet kAboutBefore(gbk::kAboutBefore);
  int next = pos + Size(gbk::kAbout);
  if (WordAt(text, next, gbk::kAboutIs)) next += Size(gbk::kAboutIs);
  if (WordAt(text, pos, gbk::kAbout) && next < Size(text) && IsAsciiDigit(text[next]) &&
      !kAboutBefore.HasAt(text, previous)) {
    return Size(gbk::kAbout);
  }
  return 0;
}

// True when a number and its unit end right before `pos`: at most three two-byte characters of
// unit (Chinese characters, "℃", "°", "‰", "μ", "Ω", "·") and at most eight ASCII ones (letters,
// "%", "/", ".", "^"), so that compound units count ("30℃", "2小时", "1m/min", "5kg/m^3"). Walked
// back over: a byte of 0x80 or more before a character boundary is the second byte of a two-byte
// character, and a digit is never part of another character; an ASCII letter right behind such a
// byte might be its second byte, and then no number is taken.
bool NumberBefore(std::string_view text, int pos) {
  constexpr int kMaxWideUnitChars = 3;
  constexpr int kMaxAsciiUnitChars = 8;
  static const CharSet kUnitSigns(gbk::kUnitSigns);
  int wide = 0;
  int ascii = 0;
  while (pos > 0 && wide <= kMaxWideUnitChars && ascii <= kMaxAsciiUnitChars) {
    const char c = text[pos - 1];
    if (IsAsciiDigit(c)) return true;
    if (CharLength(c) == 2) {
      if (!IsHanziAt(text, pos - 2) && !kUnitSigns.HasAt(text, pos - 2)) return false;
      pos -= 2;
      ++wide;
    } else if (c == '%' || c == '/' || c == '.' || c == '^' ||
               (IsAsciiLetter(c) && (pos < 2 || CharLength(text[pos - 2]) == 1))) {
      --pos;
      ++ascii;
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

// True when "等" at `pos` closes a list of alternatives ("圆形、异形等形状", "氮气、氦气等中的至少一
// 种"): a "、" stands before it in the same clause, at most forty characters back, and it makes no
// word with the character after or before it ("等于", "等离子", "相等", "中等").
bool ClosesList(std::string_view text, int pos) {
  static const CharSet kWordAfter(gbk::kEqualWordAfter);
  static const CharSet kWordBefore(gbk::kEqualWordBefore);
  if (kWordAfter.HasAt(text, pos + 2) || (pos >= 2 && kWordBefore.HasAt(text, pos - 2))) {
    return false;
  }
  constexpr int kListReach = 80;  // bytes
  const int from = std::max(0, pos - kListReach);
  const std::string_view before = text.substr(from, pos - from);
  const size_t comma = before.rfind(gbk::kEnumComma);
  if (comma == std::string_view::npos) return false;
  const std::string_view list = before.substr(comma);
  for (std::string_view stop : {gbk::kComma, gbk::kSemicolon, gbk::kColon, gbk::kFullStop}) {
    if (list.find(stop) != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace

void CheckIndefiniteWording(std::string_view text, std::vector<Finding>& findings) {
  static const WordHeads kHeads(gbk::kIndefiniteHeads);
  FindWords(text, kHeads, FindingCode::kIndefiniteWording, findings,
            [&](int pos, int previous) -> WordFound {
              if (const int length = GuardedLength(gbk::kPreferenceWords, text, pos)) {
                return {length, gbk::kLabelIndefinite};
              }
              int length = GuardedLength(gbk::kIndefiniteWords, text, pos);
              if (length == 0) length = AboutLength(text, pos, previous);
              if (length == 0 && WordAt(text, pos, gbk::kLeftRight) && NumberBefore(text, pos) &&
                  EndsWord(text, pos + Size(gbk::kLeftRight))) {
                length = Size(gbk::kLeftRight);
              }
              if (length == 0 && WordAt(text, pos, gbk::kEtc) && ClosesList(text, pos)) {
                length = Size(gbk::kEtc);
              }
              return {length, gbk::kLabelIndefinite};
            });
}
