#include "checks/SubjectConsistency.h"

#include <string>

#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool NamesProcess(std::string_view subject) {
  for (std::string_view word : gbk::kProcessWords) {
    if (EndsWith(subject, word)) return true;
  }
  return false;
}

// A process that says what it is of ("橡胶组合物的制造方法"), not the bare "方法".
bool NamesProcessOfSomething(std::string_view subject) {
  for (std::string_view word : gbk::kProcessWords) {
    if (EndsWith(subject, word) && subject.size() > word.size()) return true;
  }
  return false;
}

// The subject without "的" and without a reference sign at its end ("装置(100)").
std::string BareSubject(std::string_view subject) {
  if (!subject.empty() && subject.back() == ')') {
    const size_t open = subject.rfind('(');
    if (open != std::string_view::npos) subject = subject.substr(0, open);
  }
  return ReplaceAll(subject, gbk::kOf, "");
}

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

SubjectFit FitOfSubject(std::string_view subject, std::string_view parentSubject) {
  if (parentSubject.empty()) return SubjectFit::kParentUnread;
  if (NamesProcessOfSomething(subject) && !NamesProcess(parentSubject)) {
    return SubjectFit::kOtherCategory;
  }
  const std::string own = BareSubject(subject);
  const std::string other = BareSubject(parentSubject);
  return EndsWith(own, other) || EndsWith(other, own) ? SubjectFit::kSame : SubjectFit::kMismatch;
}
