#include "checks/further/RepeatedWord.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

constexpr int kMinWordChars = 2;
constexpr int kMaxWordChars = 6;

bool IsLegitimateDoubling(std::string_view text, int pos, int chars) {
  static const CharSet kNounSuffixes(gbk::kNounSuffixes);
  const int bytes = 2 * chars;
  if (WordAt(text, pos, gbk::kOf) || WordAt(text, pos + bytes - 2, gbk::kOf)) return true;
  return chars == 2 &&
         (WordAt(text, pos, gbk::kOneHead) || kNounSuffixes.HasAt(text, pos + 2 * bytes));
}

uint16_t CharBytes(const char* at) {
  uint16_t bytes;
  std::memcpy(&bytes, at, sizeof bytes);
  return bytes;
}

// True when the run of Chinese characters that opens at `runStart` is part of a chemical name:
// it follows a locant's "-" ("2,3-环氧丙氧丙基") or the "(" of a substituent ("(甲基甲基)"). A
// digit right before is as often the end of a range of claim numbers ("1-3所述所述"), and does not
// count. Neither sign is ever the second byte of a two-byte character.
bool OpensInChemicalName(std::string_view text, int runStart) {
  return runStart > 0 && (text[runStart - 1] == '-' || text[runStart - 1] == '(');
}

// The length of "其特征在于" written again behind itself, with at most one punctuation mark
// between ("其特征在于：其特征在于"), or 0.
int PhraseTwiceLength(std::string_view text, int pos) {
  if (!WordAt(text, pos, gbk::kCharacterisedBy)) return 0;
  int next = pos + Size(gbk::kCharacterisedBy);
  if (next < Size(text) && !IsHanziAt(text, next)) next += CharLength(text[next]);
  return WordAt(text, next, gbk::kCharacterisedBy) ? next + Size(gbk::kCharacterisedBy) - pos : 0;
}

// The characterising phrase written twice or mistyped, or "的的", at `pos`, or nothing.
WordFound PhraseAt(std::string_view text, int pos) {
  if (const int twice = PhraseTwiceLength(text, pos)) return {twice, gbk::kLabelRepeated};
  if (WordAt(text, pos, gbk::kCharacterisedByTypo)) {
    return {Size(gbk::kCharacterisedByTypo), gbk::kLabelTypo};
  }
  if (WordAt(text, pos, gbk::kCharacterisedByCut) &&
      !WordAt(text, pos + Size(gbk::kCharacterisedByCut), gbk::kAt)) {
    return {Size(gbk::kCharacterisedByCut), gbk::kLabelMissingChar};
  }
  if (WordAt(text, pos, gbk::kOfOf) && !WordAt(text, pos + Size(gbk::kOfOf), gbk::kIndeed)) {
    return {Size(gbk::kOfOf), gbk::kLabelRepeated};
  }
  return {};
}

// True for the bytes of a Chinese character, as IsHanziPair, without making a string of them.
bool IsHanziBytes(char lead, char trail) {
  return static_cast<unsigned char>(lead) >= 0xB0 && static_cast<unsigned char>(trail) >= 0xA1;
}

uint32_t TwoCharBytes(const char* at) {
  uint32_t bytes;
  std::memcpy(&bytes, at, sizeof bytes);
  return bytes;
}

// The length in characters of the word of Chinese characters at `pos` that is written again
// right behind it, the shortest first, or 0.
int DoubledChars(std::string_view text, int pos) {
  const char* at = text.data() + pos;
  const int most = std::min(kMaxWordChars, (Size(text) - pos) / 4);
  if (most < kMinWordChars) return 0;
  const uint32_t first = TwoCharBytes(at);
  for (int chars = kMinWordChars; chars <= most; ++chars) {
    // The first two characters again at the right distance, before the whole comparison.
    if (TwoCharBytes(at + 2 * chars) != first || std::memcmp(at, at + 2 * chars, 2 * chars) != 0) {
      continue;
    }
    int hanzi = 0;
    while (hanzi < chars && IsHanziBytes(at[2 * hanzi], at[2 * hanzi + 1])) ++hanzi;
    if (hanzi == chars) return chars;
  }
  return 0;
}

}  // namespace

void CheckRepeatedWord(std::string_view text, std::vector<Finding>& findings) {
  static const uint16_t kPhraseHeads[] = {CharBytes(gbk::kItsHead.data()),
                                          CharBytes(gbk::kOf.data())};
  const int size = Size(text);
  int runStart = 0;  // where the run of Chinese characters at `pos` opens
  for (int pos = 0; pos < size;) {
    if (pos + 1 == size || !IsHanziBytes(text[pos], text[pos + 1])) {
      pos += CharLength(text[pos]);
      runStart = pos;
      continue;
    }
    const uint16_t code = CharBytes(text.data() + pos);
    WordFound found =
        code == kPhraseHeads[0] || code == kPhraseHeads[1] ? PhraseAt(text, pos) : WordFound{};
    if (found.length == 0) {
      const int chars = DoubledChars(text, pos);
      if (chars > 0 && !IsLegitimateDoubling(text, pos, chars) &&
          !OpensInChemicalName(text, runStart) && !WithinReferenceSlip(findings, pos)) {
        found = {4 * chars, gbk::kLabelRepeated};
      }
    }
    if (found.length == 0) {
      pos += 2;
      continue;
    }
    AddWordFinding(findings, FindingCode::kRepeatedWord, Severity::kFix, found.label, text, pos,
                   found.length);
    pos += found.length;
  }
}
