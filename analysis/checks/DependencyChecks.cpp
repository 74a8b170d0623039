#include "checks/DependencyChecks.h"

#include <algorithm>

#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

void ResolveParents(int pos) {
  ClaimRecord& record = g_claims[pos];
  record.multiRef = record.parentNumbers.size() >= 2;
  record.parentIndices.clear();
  for (int32_t number : record.parentNumbers) {
    const int parent = FindClaimIndex(number);
    if (parent == -1) continue;
    record.parentIndices.push_back(parent);
    if (g_claims[parent].multiRef || g_claims[parent].dependsOnMultiRef) {
      record.dependsOnMultiRef = 1;
    }
  }
}

void CheckSuspectedIndependent(int pos) {
  ClaimRecord& record = g_claims[pos];
  if (!record.isIndependent) return;
  const int claimWord = FindFrom(record.text, gbk::kClaimWord);
  const int fullStop = FindFrom(record.text, gbk::kFullStop);
  const int lineBreak = FindFrom(record.text, "\r\n");
  if (HasAt(SpanText(record.text, record.opening.firstRun), 0, gbk::kOneKind) && claimWord > 0 &&
      (fullStop > claimWord || lineBreak > claimWord)) {
    AddClaimFinding(record, FindingCode::kSuspectedIndependent, gbk::kMarkSuspectedIndependent);
  }
}

void CheckParents(int pos) {
  ClaimRecord& record = g_claims[pos];
  const auto& numbers = record.parentNumbers;
  if (std::any_of(numbers.begin(), numbers.end(), [&](int32_t n) { return n >= record.number; })) {
    AddClaimFinding(record, FindingCode::kParentTooLarge, gbk::kMarkParentTooLarge);
  }
  if (!numbers.empty() && record.parentIndices.size() < numbers.size()) {
    AddClaimFinding(record, FindingCode::kParentNotFound, gbk::kMarkParentNotFound);
  }
  if (std::any_of(numbers.begin(), numbers.end(),
                  [&](int32_t n) { return n < record.setLeader; })) {
    AddClaimFinding(record, FindingCode::kParentOtherSet, gbk::kMarkParentOtherSet);
  }
  if (record.multiRef && record.dependsOnMultiRef) {
    AddClaimFinding(record, FindingCode::kMultiMulti, gbk::kMarkMultiMulti);
    record.multiMulti = 1;
  }
}
