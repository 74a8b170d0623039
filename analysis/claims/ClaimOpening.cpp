#include "claims/ClaimOpening.h"

#include <algorithm>

#include "claims/ClaimNumbering.h"
#include "text/GbkTexts.h"

namespace {

struct SignWord {
  std::string_view word;
  Join join;
  bool classic;
};

// "或者" before "或": the longer word wins.
constexpr SignWord kSignWords[] = {
    {gbk::kOrElse, Join::kAlternative, false},
    {gbk::kOr, Join::kAlternative, true},
    {gbk::kEnumComma, Join::kAlternative, true},
    {gbk::kAndAlso, Join::kCumulative, false},
    {gbk::kAnd, Join::kCumulative, false},
    {gbk::kAlong, Join::kCumulative, false},
    {gbk::kWith, Join::kCumulative, false},
    {"-", Join::kRange, true},
    {"~", Join::kRange, true},
    {gbk::kWaveDash, Join::kRange, true},
    {gbk::kRangeUntil, Join::kRange, true},
    {gbk::kRangeTo, Join::kRange, true},
    {gbk::kDash, Join::kRange, false},
};

struct EndWord {
  std::string_view word;
  ListEnd end;
};

constexpr EndWord kEndWords[] = {
    {gbk::kSaid, ListEnd::kSaid},         {gbk::kOf, ListEnd::kOf},
    {gbk::kTerminatorIn, ListEnd::kIn},   {gbk::kTerminatorAny, ListEnd::kAny},
    {gbk::kOneOf, ListEnd::kOneOf},       {gbk::kComma, ListEnd::kComma},
    {gbk::kFullStop, ListEnd::kFullStop},
};

ListEnd ListEndAt(std::string_view text, int pos) {
  for (const EndWord& end : kEndWords) {
    if (HasAt(text, pos, end.word)) return end.end;
  }
  return ListEnd::kOther;
}

TextSpan SpanOf(std::string_view text, std::string_view part) {
  return {static_cast<int32_t>(part.data() - text.data()), static_cast<int32_t>(part.size())};
}

constexpr TextSpan kNoSpan{kNotFound, 0};

// A subject read as `part` of `text`: kNoSpan when nothing is left of it.
TextSpan SubjectSpan(std::string_view text, std::string_view part) {
  return part.empty() ? kNoSpan : SpanOf(text, part);
}

std::string_view DropPrefix(std::string_view text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) == prefix) text.remove_prefix(prefix.size());
  return text;
}

// The subject as it follows "所述": without a leading "的", then without "一种".
std::string_view SubjectAfterSaid(std::string_view span) {
  return DropPrefix(DropPrefix(span, gbk::kOf), gbk::kOneKind);
}

// The position in `text` of the phrase's "权利要求" and the form of the reference that opens at
// `first`, or kNone.
ReferenceForm FormAt(std::string_view text, int first, int& claimWord) {
  if (HasAt(text, first, gbk::kRefPhraseAccording)) {
    claimWord = first + Size(gbk::kAccording);
    return ReferenceForm::kPhrase;
  }
  if (HasAt(text, first, gbk::kRefPhraseAs)) {
    claimWord = first + Size(gbk::kRefPhraseAs) - Size(gbk::kClaimWord);
    return ReferenceForm::kPhrase;
  }
  claimWord = first;
  ReferenceForm form = ReferenceForm::kClaimWord;
  for (std::string_view opening : gbk::kUnreadReferenceOpenings) {
    if (!HasAt(text, first, opening)) continue;
    claimWord += Size(opening);
    form = ReferenceForm::kUnreadWord;
    break;
  }
  return HasAt(text, claimWord, gbk::kClaimWord) ? form : ReferenceForm::kNone;
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
  if (start == kNotFound) return text.substr(0, 0);
  return text.substr(start, std::min(i, Size(text)) - start);
}

// The subject between the first "所述" behind the phrase at `first` and the first "，" or "："
// behind the phrase, where `said` is that "所述".
TextSpan DependentSubject(std::string_view text, int first, int said) {
  const int comma = FindFrom(text, gbk::kComma, first);
  // Only a "：" before the "，" matters: the search stops there.
  const int colon =
      FindFrom(text.substr(0, comma == kNotFound ? text.size() : comma), gbk::kColon, first);
  const int end = colon == kNotFound ? comma : colon;
  if (said == kNotFound || end <= said) return kNoSpan;
  const int begin = said + Size(gbk::kSaid);
  const std::string_view subject = text.substr(begin, end - begin);
  for (std::string_view breaker :
       {std::string_view("\r\n"), gbk::kEnumComma, gbk::kSemicolon, gbk::kCharacterisedBy}) {
    if (Contains(subject, breaker)) return kNoSpan;
  }
  return SubjectSpan(text, SubjectAfterSaid(subject));
}

TextSpan IndependentSubject(std::string_view text, std::string_view run) {
  const std::string_view subject = DropPrefix(run, gbk::kOneKind);
  return Contains(subject, gbk::kCharacterisedBy) ? kNoSpan : SubjectSpan(text, subject);
}

// The position of the first "，", "：", "；" or "。" from `pos`, or the end of the text.
int ClauseEnd(std::string_view text, int pos) {
  for (; pos < Size(text); pos += CharLength(text[pos])) {
    for (std::string_view stop : {gbk::kComma, gbk::kColon, gbk::kSemicolon, gbk::kFullStop}) {
      if (HasAt(text, pos, stop)) return pos;
    }
  }
  return Size(text);
}

TextSpan NamedSubject(std::string_view text, int listEnd) {
  const std::string_view clause = text.substr(0, ClauseEnd(text, listEnd));
  const int said = FindFrom(clause, gbk::kSaid, listEnd);
  const int begin = said == kNotFound ? listEnd : said + Size(gbk::kSaid);
  return SubjectSpan(text, SubjectAfterSaid(clause.substr(begin)));
}

bool IsTerminator(std::string_view text, int pos) {
  return HasAt(text, pos, gbk::kTerminatorAny) || HasAt(text, pos, gbk::kTerminatorSo) ||
         HasAt(text, pos, gbk::kTerminatorIn);
}

// Reads the range whose sign stands at `pos` and whose low bound is the item from `itemStart`.
// Appends every number of the range and leaves `pos` behind the high bound and `itemStart` on
// its first digit. Returns false when the range is not a rising one within 1 to 9999.
bool ReadRange(std::string_view text, int signLength, int& pos, int& itemStart, std::string& list) {
  const int32_t low = DigitRunValue(text.substr(itemStart, pos - itemStart));
  itemStart = pos + signLength;
  pos = DigitRunEnd(text, itemStart);
  const int32_t high = DigitRunValue(text.substr(itemStart, pos - itemStart));
  if (low <= 0 || high <= low || high > kMaxClaimNumber) return false;
  for (int32_t n = low; n <= high; ++n) AppendListItem(list, n);
  return true;
}

// The report's own reading of the numbers from `start`, as ClaimOpening::parentList says. The
// text holds a "所述" behind `start`, whose "所" ends the walk at the latest.
std::string ParentList(std::string_view text, int start) {
  std::string list;
  int pos = start;
  int itemStart = start;
  while (pos < Size(text)) {
    if (IsAsciiDigit(text[pos])) {
      ++pos;
      continue;
    }
    const ListSign sign = ListSignAt(text, pos);
    if (sign.classic && sign.join == Join::kAlternative) {
      list.append(text.substr(itemStart, pos - itemStart)).push_back(';');
      pos += sign.length;
      itemStart = pos;
    } else if (sign.classic && sign.join == Join::kRange) {
      if (!ReadRange(text, sign.length, pos, itemStart, list)) return "";
    } else if (IsTerminator(text, pos) && IsAsciiDigit(text[start]) &&
               IsAsciiDigit(text[pos - 1])) {
      list.append(text.substr(itemStart, pos - itemStart)).push_back(';');
      return list;
    } else {
      return "";
    }
  }
  return "";
}

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

}  // namespace

ListSign ListSignAt(std::string_view text, int pos) {
  // Asked at every character of a list and behind it: most characters are passed over with one
  // lookup of the first characters of the words.
  static const CharSet kHeads([] {
    std::string heads;
    for (const SignWord& sign : kSignWords) {
      if (sign.word.size() > 1) heads.append(sign.word.substr(0, 2));
    }
    return heads;
  }());
  if (pos >= Size(text)) return {};
  if (CharLength(text[pos]) == 1 ? text[pos] != '-' && text[pos] != '~'
                                 : !kHeads.HasAt(text, pos)) {
    return {};
  }
  for (const SignWord& sign : kSignWords) {
    if (HasAt(text, pos, sign.word)) return {sign.join, Size(sign.word), sign.classic};
  }
  return {};
}

NumberList ReadNumberList(std::string_view text, int pos) {
  NumberList list;
  list.start = pos;
  list.end = DigitRunEnd(text, pos);
  list.first = DigitRunValue(text.substr(pos, list.end - pos));
  while (list.end > pos) {
    const ListSign sign = ListSignAt(text, list.end);
    if (sign.join == Join::kNone) break;
    int next = list.end + sign.length;
    if (HasAt(text, next, gbk::kClaimWord)) next += Size(gbk::kClaimWord);
    const int digitsEnd = DigitRunEnd(text, next);
    if (digitsEnd == next) break;
    list.cumulative = list.cumulative || sign.join == Join::kCumulative;
    list.range = list.range || sign.join == Join::kRange;
    list.end = digitsEnd;
  }
  return list;
}

ClaimOpening ReadClaimOpening(std::string_view text) {
  ClaimOpening opening;
  opening.first = FindFirstHanzi(text);
  if (opening.first == kNotFound) return opening;
  int claimWord = kNotFound;
  opening.form = FormAt(text, opening.first, claimWord);
  if (opening.form != ReferenceForm::kNone) {
    opening.list = ReadNumberList(text, claimWord + Size(gbk::kClaimWord));
    opening.listEnd = ListEndAt(text, opening.list.end);
  }
  if (opening.form == ReferenceForm::kPhrase) {
    const int said = FindFrom(text, gbk::kSaid, opening.first);
    if (said != kNotFound) opening.parentList = ParentList(text, opening.list.start);
    opening.subject = DependentSubject(text, opening.first, said);
    return opening;
  }
  const std::string_view run = FirstHanziRun(text);
  opening.firstRun = SpanOf(text, run);
  opening.subject = IndependentSubject(text, run);
  if (opening.form != ReferenceForm::kNone && opening.list.end > opening.list.start) {
    opening.namedSubject = NamedSubject(text, opening.list.end);
  }
  return opening;
}

std::string_view SpanText(std::string_view text, TextSpan span) {
  if (span.start == kNotFound) return {};
  return text.substr(span.start, span.length);
}
