#include "claims/ClaimNumbering.h"

#include <iterator>
#include <utility>

#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

int32_t DigitRunValue(std::string_view digits) {
  int32_t value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > kMaxClaimNumber) return kMaxClaimNumber + 1;
  }
  return value;
}

int32_t ParseClaimNumber(std::string_view text) {
  text = TrimAscii(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  size_t digits = 0;
  while (digits < text.size() && IsAsciiDigit(text[digits])) ++digits;
  const int32_t value = DigitRunValue(text.substr(0, digits));
  if (value > kMaxClaimNumber || (negative && value != 0)) return 0;
  return value;
}

void AppendListItem(std::string& list, int32_t number) {
  char item[16];
  char* start = std::end(item);
  *--start = ';';
  // Written from the last digit back: lists hold thousands of numbers, and this is most of
  // their cost.
  auto rest = static_cast<uint32_t>(number);
  do {
    *--start = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  list.append(start, static_cast<size_t>(std::end(item) - start));
}

int32_t ClaimStartNumber(std::string_view paragraph) {
  int digits = 0;
  while (digits < Size(paragraph) && IsAsciiDigit(paragraph[digits])) ++digits;
  if (digits == Size(paragraph)) return 0;
  int next;
  if (paragraph[digits] == '.') {
    next = digits + 1;
  } else if (HasAt(paragraph, digits, gbk::kEnumComma)) {
    next = digits + 2;
  } else {
    return 0;
  }
  if (next >= Size(paragraph) || !IsHanziAt(paragraph, next)) return 0;
  return ParseClaimNumber(paragraph.substr(0, digits));
}

void SplitParagraphs(std::string_view text, std::vector<TextSpan>* spans) {
  int start = 0;
  while (true) {
    const int separator = FindFrom(text, "\r\n", start);
    const int end = separator == kNotFound ? Size(text) : separator;
    const std::string_view piece = TrimAscii(text.substr(start, end - start));
    if (!piece.empty()) {
      g_paragraphs.emplace_back(piece);
      if (spans) spans->push_back({static_cast<int32_t>(piece.data() - text.data()), Size(piece)});
    }
    if (separator == kNotFound) return;
    start = separator + 2;
  }
}

int FindClaimOneParagraph() {
  for (int i = 0; i < static_cast<int>(g_paragraphs.size()); ++i) {
    if (ClaimStartNumber(g_paragraphs[i]) == 1) return i;
  }
  return -1;
}

void GatherClaims(int first) {
  ClaimRecord current;
  current.number = 1;
  current.firstParagraph = first;
  current.text = g_paragraphs[first];
  for (int i = first + 1; i < static_cast<int>(g_paragraphs.size()); ++i) {
    const std::string& paragraph = g_paragraphs[i];
    const int32_t number = ClaimStartNumber(paragraph);
    if (number == 0) {
      current.text.append("\r\n").append(paragraph);
      continue;
    }
    g_claims.Append(std::move(current));
    current = ClaimRecord();
    current.number = number;
    current.firstParagraph = i;
    current.text = paragraph;
  }
  g_claims.Append(std::move(current));
}

void CheckNumbering(int pos) {
  if (pos == 0) return;
  ClaimRecord& record = g_claims[pos];
  if (record.number != g_claims[pos - 1].number + 1)
    AddClaimFinding(record, FindingCode::kNumberingGap, gbk::kMarkNumbering);
}
