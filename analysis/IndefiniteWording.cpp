#include "IndefiniteWording.h"

#include "FurtherChecks.h"
#include "GbkText.h"
#include "GbkTexts.h"

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
    if (!HasAt(text, pos, guarded.word)) continue;
    const int end = pos + Size(guarded.word);
    return IsOneOf(guarded.notBefore, text, end) ? 0 : end - pos;
  }
  static const CharSet kAboutBefore(gbk::kAboutBefore);
  int next = pos + Size(gbk::kAbout);
  if (HasAt(text, next, gbk::kAboutIs)) next += Size(gbk::kAboutIs);  // "约为70℃"
  if (HasAt(text, pos, gbk::kAbout) && next < Size(text) && IsAsciiDigit(text[next]) &&
      !kAboutBefore.HasAt(text, previous)) {
    return Size(gbk::kAbout);
  }
  return 0;
}

// True for a character that may belong to the unit of a number: ASCII letters and signs, "℃",
// "°", "‰", and Chinese characters ("分钟").
bool MayBeUnit(std::string_view text, int pos) {
  static const CharSet kUnitSigns(gbk::kUnitSigns);
  const char c = text[pos];
  return IsAsciiLetter(c) || c == '%' || c == '/' || c == '.' || kUnitSigns.HasAt(text, pos) ||
         IsHanziAt(text, pos);
}

// True when "左右" ending at `end` stands on its own, not as part of "左右两侧" and the like.
bool EndsWord(std::string_view text, int end) {
  static const CharSet kAfter(gbk::kLeftRightAfter);
  return !IsHanziAt(text, end) || kAfter.HasAt(text, end);
}

}  // namespace

void CheckIndefiniteWording(std::string_view text, std::vector<Finding>& findings) {
  static const CharSet kHeads(gbk::kIndefiniteHeads);
  constexpr int kMaxUnitChars = 3;
  int previous = -1;
  int unitChars = -1;  // characters since the last digit, all of them possibly a unit; -1: none
  for (int pos = 0; pos < Size(text);) {
    int length = kHeads.HasAt(text, pos) ? WordLength(text, pos, previous) : 0;
    if (length == 0 && unitChars >= 0 && HasAt(text, pos, gbk::kLeftRight) &&
        EndsWord(text, pos + Size(gbk::kLeftRight))) {
      length = Size(gbk::kLeftRight);
    }
    if (length > 0) {
      AddWordFinding(findings, FindingCode::kIndefiniteWording, Severity::kReview,
                     gbk::kLabelIndefinite, text, pos, length);
      previous = unitChars = -1;
      pos += length;
      continue;
    }
    if (IsAsciiDigit(text[pos])) {
      unitChars = 0;
    } else if (unitChars >= 0 && unitChars < kMaxUnitChars && MayBeUnit(text, pos)) {
      ++unitChars;
    } else {
      unitChars = -1;
    }
    previous = pos;
    pos += CharLength(text[pos]);
  }
}
