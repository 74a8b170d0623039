#include "ClaimRecord.h"

#include <utility>

ClaimList g_claims;
std::vector<std::string> g_paragraphs;
std::vector<MarkSpan> g_markSpans;

void ClaimList::Append(ClaimRecord record) {
  const int32_t number = record.number;
  bool added;
  if (number >= 0 && number < kTabledNumbers) {
    if (firstByTabledNumber_.empty()) firstByTabledNumber_.assign(kTabledNumbers, -1);
    added = firstByTabledNumber_[number] == -1;
    if (added) firstByTabledNumber_[number] = Count();
  } else {
    added = firstByOtherNumber_.try_emplace(number, Count()).second;
  }
  distinctNumbers_ += added;
  records_.push_back(std::move(record));
}

void ClaimList::Empty() {
  std::vector<ClaimRecord>().swap(records_);
  std::vector<int>().swap(firstByTabledNumber_);
  std::unordered_map<int32_t, int>().swap(firstByOtherNumber_);
  distinctNumbers_ = 0;
}

int ClaimList::FindFirst(int32_t number) const {
  if (number >= 0 && number < kTabledNumbers) {
    return firstByTabledNumber_.empty() ? -1 : firstByTabledNumber_[number];
  }
  const auto it = firstByOtherNumber_.find(number);
  return it == firstByOtherNumber_.end() ? -1 : it->second;
}

int FindClaimIndex(int32_t number) { return g_claims.FindFirst(number); }

void AssignClaimSet(ClaimRecord& record, int32_t& currentLeader) {
  if (record.isIndependent) {
    currentLeader = record.number;
    return;
  }
  record.setLeader = currentLeader;
}
