#include "checks/further/ReferenceNotAlternative.h"

#include <algorithm>

#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

enum class Join { kNone, kAlternative, kCumulative, kRange };

// The sign of a number list at `pos` and its length.
Join SignAt(std::string_view text, int pos, int& length) {
  static const CharSet kRangeSigns(gbk::kRangeSigns);
  static const CharSet kCumulativeSigns(gbk::kCumulativeSigns);
  length = 1;
  if (pos >= Size(text)) return Join::kNone;
  if (text[pos] == '-' || text[pos] == '~') return Join::kRange;
  length = 4;
  if (WordAt(text, pos, gbk::kOrElse)) return Join::kAlternative;
  if (WordAt(text, pos, gbk::kAndAlso)) return Join::kCumulative;
  length = 2;
  if (WordAt(text, pos, gbk::kOr) || WordAt(text, pos, gbk::kEnumComma)) return Join::kAlternative;
  if (kCumulativeSigns.HasAt(text, pos)) return Join::kCumulative;
  if (kRangeSigns.HasAt(text, pos)) return Join::kRange;
  return Join::kNone;
}

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

NumberList ReadNumberList(std::string_view text, int pos) {
  NumberList list;
  list.end = DigitRunEnd(text, pos);
  while (list.end > pos) {
    int length = 0;
    const Join join = SignAt(text, list.end, length);
    if (join == Join::kNone) break;
    int next = list.end + length;
    if (WordAt(text, next, gbk::kClaimWord)) next += Size(gbk::kClaimWord);
    const int digitsEnd = DigitRunEnd(text, next);
    if (digitsEnd == next) break;
    list.cumulative = list.cumulative || join == Join::kCumulative;
    list.range = list.range || join == Join::kRange;
    list.end = digitsEnd;
  }
  return list;
}

void CheckReferenceNotAlternative(std::string_view text, std::vector<Finding>& findings) {
  for (int pos = FindFrom(text, gbk::kClaimWord); pos != kNotFound;) {
    const NumberList list = ReadNumberList(text, pos + Size(gbk::kClaimWord));
    const int next = std::max(list.end, pos + Size(gbk::kClaimWord));
    if ((list.cumulative || list.range) && !AlternativeFollows(text, list.end)) {
      AddWordFinding(findings, FindingCode::kReferenceNotAlternative, Severity::kFix,
                     gbk::kLabelNotAlternative, text, pos, list.end - pos);
    }
    pos = FindFrom(text, gbk::kClaimWord, next);
  }
}
