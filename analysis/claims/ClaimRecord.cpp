#include "claims/ClaimRecord.h"

#include <utility>

ClaimList g_claims;
std::vector<std::string> g_paragraphs;
std::vector<MarkSpan> g_markSpans;

void AddClaimFinding(ClaimRecord& record, FindingCode code, std::string_view mark) {
  record.marks += mark;
  Finding finding;
  finding.code = code;
  finding.label = mark;
  record.findings.push_back(std::move(finding));
}

void ClaimList::Append(ClaimRecord&& record) {
  const int32_t number = record.number;
  if (firstByNumber_.empty()) firstByNumber_.assign(kTabledNumbers, -1);
  if (firstByNumber_[number] == -1) {
    firstByNumber_[number] = Count();
    ++distinctNumbers_;
  }
  records_.push_back(std::move(record));
}

void ClaimList::Empty() {
  std::vector<ClaimRecord>().swap(records_);
  std::vector<int>().swap(firstByNumber_);
  distinctNumbers_ = 0;
}

int ClaimList::FindFirst(int32_t number) const {
  if (number < 0 || number >= kTabledNumbers || firstByNumber_.empty()) return -1;
  return firstByNumber_[number];
}
int FindClaimIndex(int32_t number) { return g_claims.FindFirst(number); }

void AssignClaimSet(ClaimRecord& record, int32_t& currentLeader) {
  if (record.isIndependent) {
    currentLeader = record.number;
    return;
  }
  record.setLeader = currentLeader;
}
