#include "claims/ParentRefs.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "claims/ClaimNumbering.h"
#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"
#include "claims/SubjectRecognition.h"

namespace {

bool IsListSign(std::string_view text, int pos) {
  return HasAt(text, pos, gbk::kOr) || HasAt(text, pos, gbk::kEnumComma);
}

bool IsRangeSign(std::string_view text, int pos) {
  return text[pos] == '-' || text[pos] == '~' || HasAt(text, pos, gbk::kWaveDash) ||
         HasAt(text, pos, gbk::kRangeTo) || HasAt(text, pos, gbk::kRangeUntil);
}

bool IsTerminator(std::string_view text, int pos) {
  return HasAt(text, pos, gbk::kTerminatorAny) || HasAt(text, pos, gbk::kTerminatorSo) ||
         HasAt(text, pos, gbk::kTerminatorIn);
}

// Reads the range whose sign stands at `pos` and whose low bound is the item from `itemStart`.
// Appends every number of the range and leaves `pos` behind the high bound and `itemStart` on
// its first digit. Returns false when the range is not a rising one within 1 to 9999.
bool ReadRange(std::string_view text, int& pos, int& itemStart, std::string& list) {
  const int32_t low = DigitRunValue(text.substr(itemStart, pos - itemStart));
  pos += CharLength(text[pos]);
  itemStart = pos;
  while (pos < Size(text) && IsAsciiDigit(text[pos])) ++pos;
  const int32_t high = DigitRunValue(text.substr(itemStart, pos - itemStart));
  if (low <= 0 || high <= low || high > kMaxClaimNumber) return false;
  for (int32_t n = low; n <= high; ++n) AppendListItem(list, n);
  return true;
}

}  // namespace

std::string ParseParentRefs(std::string_view text) {
  const int phrase = FindFirstHanzi(text);
  if (phrase == kNotFound) return "";
  const int phraseLength = ReferencePhraseLength(text, phrase);
  if (phraseLength == 0 || FindFrom(text, gbk::kSaid, phrase) == kNotFound) return "";
  const int refStart = phrase + phraseLength;
  std::string list;
  int pos = refStart;
  int itemStart = refStart;
  // The "所" of the first "所述" ends the scan at the latest, so pos stays inside the text.
  while (pos < Size(text)) {
    if (IsAsciiDigit(text[pos])) {
      ++pos;
    } else if (IsListSign(text, pos)) {
      list.append(text.substr(itemStart, pos - itemStart)).push_back(';');
      pos += 2;
      itemStart = pos;
    } else if (IsRangeSign(text, pos)) {
      if (!ReadRange(text, pos, itemStart, list)) return "";
    } else if (IsTerminator(text, pos)) {
      if (!IsAsciiDigit(text[refStart]) || !IsAsciiDigit(text[pos - 1])) return "";
      list.append(text.substr(itemStart, pos - itemStart)).push_back(';');
      return list;
    } else {
      return "";
    }
  }
  return "";
}

namespace {

// The items already kept by one DedupeNumberList. Plain numbers (digits without a leading zero,
// at most four of them: what range expansion writes) are looked up by value in a table, since
// two such items are equal exactly when their values are; other items go to a set.
class SeenItems {
 public:
  // True the first time `item` is offered.
  bool Add(std::string_view item) {
    const int value = PlainNumberValue(item);
    if (value == -1) return others_.insert(item).second;
    if (plain_.empty()) plain_.assign(kMaxClaimNumber + 1, false);
    if (plain_[value]) return false;
    plain_[value] = true;
    return true;
  }

 private:
  static int PlainNumberValue(std::string_view item) {
    if (item.empty() || item.size() > 4 || (item[0] == '0' && item.size() > 1)) return -1;
    int value = 0;
    for (char c : item) {
      if (!IsAsciiDigit(c)) return -1;
      value = value * 10 + (c - '0');
    }
    return value;
  }

  std::vector<bool> plain_;
  std::unordered_set<std::string_view> others_;
};

}  // namespace

std::string DedupeNumberList(std::string_view list) {
  std::string result;
  result.reserve(list.size());
  SeenItems seen;
  ForEachListItem(list, [&](std::string_view item) {
    item = TrimAscii(item);
    if (item.empty() || !seen.Add(item)) return;
    result.append(item).push_back(';');
  });
  return result;
}

std::vector<int32_t> ParentNumbersOf(std::string_view parentRefs) {
  std::vector<int32_t> numbers;
  numbers.reserve(std::count(parentRefs.begin(), parentRefs.end(), ';'));
  ForEachListItem(parentRefs,
                  [&](std::string_view item) { numbers.push_back(ParseClaimNumber(item)); });
  return numbers;
}

void CheckReferenceFormat(int pos) {
  ClaimRecord& record = g_claims[pos];
  if (!record.isIndependent && record.parentNumbers.empty()) {
    AddClaimFinding(record, FindingCode::kReferenceFormat, gbk::kMarkReferenceFormat);
  }
}
