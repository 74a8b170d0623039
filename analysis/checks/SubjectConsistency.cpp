#include "checks/SubjectConsistency.h"

#include <algorithm>
#include <string>

#include "claims/ClaimRecord.h"
#include "claims/ReviewedReferences.h"
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

// A product of a process ("方法制备得到的3D打印制品", "制备方法获得的碳材料"): a process word, perhaps
// "所", then a verb of making, and the subject itself names no process.
bool NamesProductOfProcess(std::string_view subject) {
  if (NamesProcess(subject)) return false;
  for (std::string_view word : gbk::kProcessWords) {
    for (size_t at = subject.find(word); at != std::string_view::npos;
         at = subject.find(word, at + word.size())) {
      size_t next = at + word.size();
      if (subject.substr(next).starts_with(gbk::kTerminatorSo)) next += gbk::kTerminatorSo.size();
      for (std::string_view verb : gbk::kMakingVerbs) {
        if (subject.substr(next).starts_with(verb)) return true;
      }
    }
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
  if (NamesProductOfProcess(subject)) return SubjectFit::kOtherCategory;
  if (NamesProcessOfSomething(subject) && !NamesProcess(parentSubject)) {
    return SubjectFit::kOtherCategory;
  }
  const std::string own = BareSubject(subject);
  const std::string other = BareSubject(parentSubject);
  return EndsWith(own, other) || EndsWith(other, own) ? SubjectFit::kSame : SubjectFit::kMismatch;
}

bool OfAnotherCategory(std::string_view subject, const std::vector<int>& parents) {
  return std::any_of(parents.begin(), parents.end(), [&](int parent) {
    return FitOfSubject(subject, ReviewSubject(g_claims[parent])) == SubjectFit::kOtherCategory;
  });
}
