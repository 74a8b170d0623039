#include "RepeatedWord.h"

#include <algorithm>

#include "FurtherChecks.h"
#include "GbkText.h"
#include "GbkTexts.h"

namespace {

constexpr int kMinWordChars = 2;
constexpr int kMaxWordChars = 6;

// The number of Chinese characters from `pos`, at most `most`.
int HanziRun(std::string_view text, int pos, int most) {
  int n = 0;
  while (n < most && IsHanziAt(text, pos + 2 * n)) ++n;
  return n;
}

bool IsLegitimateDoubling(std::string_view text, int pos, int chars) {
  static const CharSet kNounSuffixes(gbk::kNounSuffixes);
  const int bytes = 2 * chars;
  if (HasAt(text, pos, gbk::kOf) || HasAt(text, pos + bytes - 2, gbk::kOf)) return true;
  return chars == 2 &&
         (HasAt(text, pos, gbk::kOneHead) || kNounSuffixes.HasAt(text, pos + 2 * bytes));
}

// The length of the doubled word at `pos` (both copies), or 0.
int DoublingLength(std::string_view text, int pos) {
  for (int chars = kMinWordChars; chars <= kMaxWordChars; ++chars) {
    const int bytes = 2 * chars;
    if (pos + 2 * bytes > Size(text)) break;
    // The first character again at the right distance, before the whole comparison.
    if (text[pos] != text[pos + bytes] || text[pos + 1] != text[pos + bytes + 1]) continue;
    if (text.compare(pos, bytes, text, pos + bytes, bytes) != 0) continue;
    if (HanziRun(text, pos, chars) < chars) continue;
    return IsLegitimateDoubling(text, pos, chars) ? 0 : 2 * bytes;
  }
  return 0;
}

bool WithinReferenceSlip(const std::vector<Finding>& findings, int pos) {
  return std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
    return f.code == FindingCode::kReferenceWording && f.InText() && f.textStart <= pos &&
           pos < f.textStart + f.textLength;
  });
}

WordFound RepeatedAt(std::string_view text, int pos, const std::vector<Finding>& findings) {
  if (HasAt(text, pos, gbk::kCharacterisedByTypo)) {
    return {Size(gbk::kCharacterisedByTypo), gbk::kLabelTypo};
  }
  if (HasAt(text, pos, gbk::kCharacterisedByCut) &&
      !HasAt(text, pos + Size(gbk::kCharacterisedByCut), gbk::kAt)) {
    return {Size(gbk::kCharacterisedByCut), gbk::kLabelMissingChar};
  }
  if (HasAt(text, pos, gbk::kOfOf)) {
    return {HasAt(text, pos + Size(gbk::kOfOf), gbk::kIndeed) ? 0 : Size(gbk::kOfOf),
            gbk::kLabelRepeated};
  }
  const int length = DoublingLength(text, pos);
  if (length == 0 || WithinReferenceSlip(findings, pos)) return {};
  return {length, gbk::kLabelRepeated};
}

// Every Chinese character may open a doubled word.
struct AnyHanzi {
  bool HasAt(std::string_view text, int pos) const { return IsHanziAt(text, pos); }
};

}  // namespace

void CheckRepeatedWord(std::string_view text, std::vector<Finding>& findings) {
  FindWords(text, AnyHanzi{}, FindingCode::kRepeatedWord, Severity::kFix, findings,
            [&](int pos, int) { return RepeatedAt(text, pos, findings); });
}
