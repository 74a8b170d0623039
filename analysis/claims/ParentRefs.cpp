#include "claims/ParentRefs.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "claims/ClaimNumbering.h"
#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

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
