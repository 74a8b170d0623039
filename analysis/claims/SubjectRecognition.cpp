#include "claims/SubjectRecognition.h"

#include <algorithm>

#include "text/GbkText.h"
#include "text/GbkTexts.h"

int FindFirstHanzi(std::string_view text) {
  int i = 0;
  while (i < Size(text)) {
    if (CharLength(text[i]) == 1) {
      ++i;
      continue;
    }
    if (IsHanziAt(text, i)) return i;
    i += 2;
  }
  return kNotFound;
}

int ReferencePhraseLength(std::string_view text, int pos) {
  if (HasAt(text, pos, gbk::kRefPhraseAccording)) return Size(gbk::kRefPhraseAccording);
  if (HasAt(text, pos, gbk::kRefPhraseAs)) return Size(gbk::kRefPhraseAs);
  return 0;
}

std::string_view FirstHanziRun(std::string_view text) {
  int i = 0;
  int start = kNotFound;
  while (i < Size(text)) {
    if (CharLength(text[i]) == 1) {
      if (text[i] == '\r') break;
      ++i;
    } else if (IsHanziAt(text, i)) {
      if (start == kNotFound) start = i;
      i += 2;
    } else if (HasAt(text, i, gbk::kEnumComma) || HasAt(text, i, gbk::kWaveDash)) {
      i += 2;
    } else {
      break;
    }
  }
  if (start == kNotFound) return {};
  return text.substr(start, std::min(i, Size(text)) - start);
}

namespace {

std::string_view DropPrefix(std::string_view text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) == prefix) text.remove_prefix(prefix.size());
  return text;
}

// The subject between the first "所述" after the reference phrase and the first "，" or "："
// after it.
std::string DependentSubject(std::string_view text, int phrase) {
  const int said = FindFrom(text, gbk::kSaid, phrase);
  const int comma = FindFrom(text, gbk::kComma, phrase);
  const int colon = FindFrom(text, gbk::kColon, phrase);
  const int end = comma == kNotFound ? colon : colon == kNotFound ? comma : std::min(comma, colon);
  if (said == kNotFound || end <= said) return "";
  const int begin = said + Size(gbk::kSaid);
  std::string_view subject = Substring(text, begin, end - begin);
  for (std::string_view breaker :
       {std::string_view("\r\n"), gbk::kEnumComma, gbk::kSemicolon, gbk::kCharacterisedBy}) {
    if (Contains(subject, breaker)) return "";
  }
  return std::string(DropPrefix(DropPrefix(subject, gbk::kOf), gbk::kOneKind));
}

std::string IndependentSubject(std::string_view text) {
  const std::string_view subject = DropPrefix(FirstHanziRun(text), gbk::kOneKind);
  if (Contains(subject, gbk::kCharacterisedBy)) return "";
  return std::string(subject);
}

}  // namespace

std::string RecognizeSubject(std::string_view text, uint8_t& isIndependent) {
  isIndependent = 1;
  const int first = FindFirstHanzi(text);
  if (first == kNotFound) return "";
  if (ReferencePhraseLength(text, first) == 0) return IndependentSubject(text);
  isIndependent = 0;
  return DependentSubject(text, first);
}
