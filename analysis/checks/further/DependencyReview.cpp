#include "checks/further/DependencyReview.h"

#include <algorithm>

#include "checks/SubjectConsistency.h"
#include "checks/further/ReferenceWording.h"
#include "claims/ClaimRecord.h"
#include "claims/ReviewedReferences.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

void AddMark(std::vector<Finding>& further, FindingCode code, std::string_view mark) {
  Finding finding;
  finding.code = code;
  finding.label = mark;
  further.push_back(std::move(finding));
}

// True when `subject` holds a word of two characters of `other` ("制冷剂组合物作为制冷剂的使用"
// holds "组合" of "制冷剂组合物").
bool SharesWord(std::string_view subject, std::string_view other) {
  for (int at = 0; at < Size(other); at += CharLength(other[at])) {
    const int second = at + CharLength(other[at]);
    if (second >= Size(other)) return false;
    const int end = second + CharLength(other[second]);
    if (end > Size(other)) return false;
    if (subject.find(other.substr(at, end - at)) != std::string_view::npos) return true;
  }
  return false;
}

// True when the claim at `pos`, with `subject`, names as its parents do: the same thing, a part
// named as its parent names it more or less fully, or a parent whose subject was not read. A
// claim of another category ("…所述的装置的制造方法") or about something else is none.
bool NamesAsParents(std::string_view subject, const std::vector<int>& parents) {
  return std::all_of(parents.begin(), parents.end(), [&](int parent) {
    const SubjectFit fit = FitOfSubject(subject, ReviewSubject(g_claims[parent]));
    return fit == SubjectFit::kSame || fit == SubjectFit::kParentUnread;
  });
}

// True when a claim whose reference the report did not read names, with `subject`, something
// unlike a parent's subject and unlike anything of it: a claim that names the thing it cites
// within its subject ("权利要求1～9所述的制冷剂组合物作为制冷剂的使用", "应用权利要求6所述标识器的
// 细纱机") is a claim to something that uses it, an independent claim in the form of a reference.
bool SubjectUnlikeParents(std::string_view subject, const std::vector<int>& parents) {
  return std::any_of(parents.begin(), parents.end(), [&](int parent) {
    const std::string_view other = ReviewSubject(g_claims[parent]);
    return FitOfSubject(subject, other) == SubjectFit::kMismatch && !SharesWord(subject, other);
  });
}

}  // namespace

DependencyReview::DependencyReview()
    : multiple_(g_claims.Count(), 0), onMultiple_(g_claims.Count(), 0) {}

void DependencyReview::Check(int pos, std::vector<Finding>& further) {
  const ClaimRecord& record = g_claims[pos];
  const std::vector<int> parents = ReviewParents(pos);
  multiple_[pos] = parents.size() >= 2;
  // As the report reads it, a claim passes its multiple dependency on only to the claims after it.
  onMultiple_[pos] = std::any_of(parents.begin(), parents.end(), [&](int parent) {
    return parent < pos && (multiple_[parent] || onMultiple_[parent]);
  });
  if (HoldsMistypedReference(further)) return;
  const std::string_view subject = ReviewSubject(record);
  if (multiple_[pos] && onMultiple_[pos] && !record.multiMulti &&
      NamesAsParents(subject, parents)) {
    AddMark(further, FindingCode::kMultiMulti, gbk::kMarkMultiMulti);
  }
  const bool unread = record.parentIndices.empty() && !parents.empty();
  if (unread && !subject.empty() && SubjectUnlikeParents(subject, parents)) {
    AddMark(further, FindingCode::kSubjectMismatch, gbk::kMarkSubjectMismatch);
  }
}
