#include "ClaimRecord.h"

#include <utility>

ClaimList g_claims;
std::vector<std::string> g_paragraphs;
std::vector<MarkSpan> g_markSpans;

void ClaimList::Append(ClaimRecord record) {
  firstByNumber_.try_emplace(record.number, Count());
  records_.push_back(std::move(record));
}

void ClaimList::Empty() {
  std::vector<ClaimRecord>().swap(records_);
  std::unordered_map<int32_t, int>().swap(firstByNumber_);
}

int ClaimList::FindFirst(int32_t number) const {
  const auto it = firstByNumber_.find(number);
  return it == firstByNumber_.end() ? -1 : it->second;
}

int FindClaimIndex(int32_t number) { return g_claims.FindFirst(number); }

void AssignClaimSet(ClaimRecord& record, int32_t& currentLeader) {
  if (record.isIndependent) {
    currentLeader = record.number;
    return;
  }
  record.setLeader = currentLeader;
}
