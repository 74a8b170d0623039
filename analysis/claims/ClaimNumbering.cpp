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

namespace {

// Where the text after a paragraph's opening number and its "." or "、" begins, or 0 when the
// paragraph opens with no such number.
int AfterClaimNumber(std::string_view paragraph) {
  int digits = 0;
  while (digits < Size(paragraph) && IsAsciiDigit(paragraph[digits])) ++digits;
  if (digits == 0 || digits == Size(paragraph)) return 0;
  if (paragraph[digits] == '.') return digits + 1;
  return HasAt(paragraph, digits, gbk::kEnumComma) ? digits + 2 : 0;
}

}  // namespace

int32_t ClaimStartNumber(std::string_view paragraph) {
  const int next = AfterClaimNumber(paragraph);
  if (next == 0 || next >= Size(paragraph) || !IsHanziAt(paragraph, next)) return 0;
  return ParseClaimNumber(paragraph);
}

std::vector<int32_t> UnreadClaimNumbers(std::string_view text, int32_t number) {
  std::vector<int32_t> unread;
  for (int at = FindFrom(text, "\r\n"); at != kNotFound; at = FindFrom(text, "\r\n", at + 2)) {
    const std::string_view paragraph = text.substr(at + 2);
    const int next = AfterClaimNumber(paragraph);
    if (next == 0 || next >= Size(paragraph)) continue;
    const char first = paragraph[next];
    if (!IsAsciiDigit(first) && !IsAsciiLetter(first) && first != '(') continue;
    const int32_t expected = (unread.empty() ? number : unread.back()) + 1;
    if (ParseClaimNumber(paragraph) == expected) unread.push_back(expected);
  }
  return unread;
}

void SplitParagraphs(std::string_view text, std::vector<TextSpan>* spans) {
  int start = 0;
  while (true) {
    const int separator = FindFrom(text, "\r\n", start);
    const int end = separator == kNotFound ? Size(text) : separator;
    const std::string_view piece = TrimAscii(text.substr(start, end - start));
    if (!piece.empty()) {
      g_paragraphs.push_back(piece);
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

namespace {

// The paragraphs from `first` up to `end` joined by "\r\n". Where they stand in the analysed
// text just so, which is the rule, the text is a view of theirs; only the others are copied.
std::string_view JoinedParagraphs(int first, int end) {
  const std::string_view head = g_paragraphs[first];
  const std::string_view last = g_paragraphs[end - 1];
  bool adjacent = true;
  for (int i = first + 1; i < end && adjacent; ++i) {
    const std::string_view before = g_paragraphs[i - 1];
    adjacent = g_paragraphs[i].data() == before.data() + before.size() + 2;
  }
  if (adjacent) return {head.data(), static_cast<size_t>(last.data() + last.size() - head.data())};
  std::string joined(head);
  for (int i = first + 1; i < end; ++i) joined.append("\r\n").append(g_paragraphs[i]);
  return g_claims.Keep(std::move(joined));
}

}  // namespace

void GatherClaims(int first) {
  const int count = static_cast<int>(g_paragraphs.size());
  // Counted first, so that the records are made in one block of the right size.
  int claims = 1;
  for (int i = first + 1; i < count; ++i) claims += ClaimStartNumber(g_paragraphs[i]) != 0;
  g_claims.Reserve(claims);
  int32_t number = 1;
  int start = first;
  for (int i = first + 1; i <= count; ++i) {
    const int32_t next = i < count ? ClaimStartNumber(g_paragraphs[i]) : 0;
    if (i < count && next == 0) continue;
    ClaimRecord record;
    record.number = number;
    record.firstParagraph = start;
    record.text = JoinedParagraphs(start, i);
    g_claims.Append(std::move(record));
    number = next;
    start = i;
  }
}

void CheckNumbering(int pos) {
  if (pos == 0) return;
  ClaimRecord& record = g_claims[pos];
  if (record.number != g_claims[pos - 1].number + 1)
    AddClaimFinding(record, FindingCode::kNumberingGap, gbk::kMarkNumbering);
}
