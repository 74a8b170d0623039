#include "checks/further/RepeatedWord.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

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

// The length of the characterising phrase at `pos`, mistyped ("其特性在于") or cut short
// ("其特征在" not followed by "于") included, or 0.
int PhraseOrSlipLength(std::string_view text, int pos) {
  if (WordAt(text, pos, gbk::kCharacterisedBy)) return Size(gbk::kCharacterisedBy);
  if (WordAt(text, pos, gbk::kCharacterisedByTypo)) return Size(gbk::kCharacterisedByTypo);
  if (WordAt(text, pos, gbk::kCharacterisedByCut) &&
      !WordAt(text, pos + Size(gbk::kCharacterisedByCut), gbk::kAt)) {
    return Size(gbk::kCharacterisedByCut);
  }
  return 0;
}

// The length of the characterising phrase, in any of its forms, written again right behind
// itself with at most one punctuation mark between ("其特征在于：其特征在于", "其特性在于其特征在"),
// or 0. Either copy may be the slip: the correction is the phrase once, whole.
int PhraseTwiceLength(std::string_view text, int pos, int first) {
  int next = pos + first;
  if (next < Size(text) && !IsHanziAt(text, next)) next += CharLength(text[next]);
  const int second = PhraseOrSlipLength(text, next);
  return second > 0 ? next + second - pos : 0;
}

// The length of the phrase's first characters, two or more, cut off at `pos` and then written
// again whole or as a slip ("其特其特性在于", "其特征其特征在于"), or 0.
int CutCopyLength(std::string_view text, int pos) {
  for (int cut = 4; cut < Size(gbk::kCharacterisedBy); cut += 2) {
    if (HasAt(text, pos, gbk::kCharacterisedBy.substr(0, cut)) &&
        PhraseOrSlipLength(text, pos + cut) > 0) {
      return cut;
    }
  }
  return 0;
}

// The characterising phrase written twice or mistyped at `pos`, where "其" stands, or nothing.
WordFound PhraseAt(std::string_view text, int pos) {
  if (const int cut = CutCopyLength(text, pos)) {
    return {cut + PhraseOrSlipLength(text, pos + cut), gbk::kLabelRepeated};
  }
  if (const int first = PhraseOrSlipLength(text, pos)) {
    if (const int twice = PhraseTwiceLength(text, pos, first)) {
      return {twice, gbk::kLabelRepeated};
    }
    if (first == Size(gbk::kCharacterisedByCut)) return {first, gbk::kLabelMissingChar};
    if (WordAt(text, pos, gbk::kCharacterisedByTypo)) return {first, gbk::kLabelTypo};
  }
  return {};
}

// "的的" at `pos`, where "的" stands, unless it is "的的确", or nothing.
WordFound OfOfAt(std::string_view text, int pos) {
  if (WordAt(text, pos, gbk::kOfOf) && !WordAt(text, pos + Size(gbk::kOfOf), gbk::kIndeed)) {
    return {Size(gbk::kOfOf), gbk::kLabelRepeated};
  }
  return {};
}

// True for the bytes of a Chinese character of GBK's two levels (lead 0xB0 to 0xF7, trail 0xA1 to
// 0xFE), without making a string of them. Bytes no character has (0xFF) are never a word.
bool IsHanziBytes(char lead, char trail) {
  const auto l = static_cast<unsigned char>(lead);
  const auto t = static_cast<unsigned char>(trail);
  return l >= 0xB0 && l <= 0xF7 && t >= 0xA1 && t <= 0xFE;
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
  // Where every length fits, which is nearly everywhere, the first two characters are sought
  // again at every distance at once, without a branch for each (written out: the compiler keeps
  // a loop's branches).
  static_assert(kMinWordChars == 2 && kMaxWordChars == 6);
  const auto differs = [&](int offset) -> unsigned { return TwoCharBytes(at + offset) != first; };
  if (most == kMaxWordChars &&
      (differs(4) & differs(6) & differs(8) & differs(10) & differs(12)) != 0) {
    return 0;
  }
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

// True when `word` (Chinese characters) is one character written again and again.
bool IsRunOfOneChar(std::string_view word) {
  for (size_t i = 2; i < word.size(); i += 2) {
    if (word.compare(i, 2, word, 0, 2) != 0) return false;
  }
  return true;
}

// The one right form of what was found: the word once, the characterising phrase whole and
// once, whatever stood between its two copies or however its first copy was cut. A
// phrase with "的" written twice ("激活剂的筛选激活剂的筛选") is more often a heading and the text
// under it, their separator lost, than a slip: "" for it.
std::string Corrected(const WordFound& found, std::string_view word) {
  if (found.label != gbk::kLabelRepeated || PhraseOrSlipLength(word, 0) > 0 ||
      CutCopyLength(word, 0) > 0) {
    return std::string(gbk::kCharacterisedBy);
  }
  const std::string_view once = word.substr(0, word.size() / 2);
  if (once != gbk::kOf && Contains(once, gbk::kOf)) return {};
  return std::string(once);
}

}  // namespace

void CheckRepeatedWord(std::string_view text, std::vector<Finding>& findings) {
  static const uint16_t kItsBytes = CharBytes(gbk::kItsHead.data());
  static const uint16_t kOfBytes = CharBytes(gbk::kOf.data());
  const int size = Size(text);
  int runStart = 0;  // where the run of Chinese characters at `pos` opens
  for (int pos = 0; pos < size;) {
    if (pos + 1 == size || !IsHanziBytes(text[pos], text[pos + 1])) {
      pos += CharLength(text[pos]);
      runStart = pos;
      continue;
    }
    const uint16_t code = CharBytes(text.data() + pos);
    WordFound found = code == kItsBytes  ? PhraseAt(text, pos)
                      : code == kOfBytes ? OfOfAt(text, pos)
                                         : WordFound{};
    bool certain = true;
    if (found.length == 0) {
      const int chars = DoubledChars(text, pos);
      if (chars > 0 && !IsLegitimateDoubling(text, pos, chars) &&
          !OpensInChemicalName(text, runStart) && !WithinReferenceSlip(findings, pos)) {
        found = {4 * chars, gbk::kLabelRepeated};
        // A run of one character ("忖忖忖忖忖") splits into copies of a word in more ways than
        // one: which characters are the slip is not known.
        certain = !IsRunOfOneChar(text.substr(pos, 2 * chars));
      }
    }
    if (found.length == 0) {
      pos += 2;
      continue;
    }
    const size_t before = findings.size();
    AddWordFinding(findings, FindingCode::kRepeatedWord, found.label, text, pos,
                   found.length);
    if (!certain) {
      pos += found.length;
      continue;
    }
    if (findings.size() > before) {
      FixWord(findings.back(), Corrected(found, text.substr(pos, found.length)), text);
    } else {
      FixWordAgain(findings, FindingCode::kRepeatedWord, text, pos, found.length);
    }
    pos += found.length;
  }
}
