#include "checks/SubjectConsistency.h"

#include "claims/ClaimRecord.h"
#include "text/GbkTexts.h"

namespace {
std::string_view Tail(std::string_view text, size_t n) {
  return text.size() <= n ? text : text.substr(text.size() - n);
}
}  // namespace

void CheckSubject(int pos) {
  ClaimRecord& record = g_claims[pos];
  if (record.subject.empty()) {
    AddClaimFinding(record, FindingCode::kNoSubject, gbk::kMarkNoSubject);
    return;
  }
  for (int parent : record.parentIndices) {
    if (Tail(g_claims[parent].subject, record.subject.size()) != record.subject) {
      AddClaimFinding(record, FindingCode::kSubjectMismatch, gbk::kMarkSubjectMismatch);
      return;
    }
  }
}
