// Multiple dependency and subjects of the claims whose reference only the review reads
// ("按照权利要求1～3之一所述的装置", "权利要求2的方法", "如权利要求1或权利要求2所述"): the report
// takes such a claim for independent, or for dependent on no claim, and checks neither. The
// review reads them as the dependent claims they are (ReviewParents).
#pragma once

#include <cstdint>
#include <vector>

#include "result/Finding.h"

class DependencyReview {
 public:
  // For the claims of g_claims, whose records must be complete and checked by the report up to
  // the claim checked.
  DependencyReview();

  // Appends to `further` (findings of the claim at `pos`; called for each claim in list order)
  // what the report's reading missed:
  // - "【多引多】" for a claim that refers to two or more claims, one of which refers to two or
  //   more claims or depends on such a claim, as the report marks it, where the report did not
  //   mark it because a reference on the way was one it did not read. Only for a claim that
  //   names its subject as its parents do (FitOfSubject: the same thing, or a parent's subject
  //   not read): one of another category, or about something else, is an independent claim that
  //   cites others;
  // - "【主题与父权不一致】" for a claim whose reference the report did not read, when its subject
  //   (ReviewSubject) and a parent's are a mismatch (FitOfSubject) with no word of two characters
  //   in common: a claim that names the thing it cites within its subject ("权利要求1～9所述的
  //   制冷剂组合物作为制冷剂的使用") is a claim to something that uses it.
  // Nothing for a claim whose reference is mistyped (a reference-wording finding among
  // `further`): the typo is its one finding. The findings' severity comes from SeverityOf.
  void Check(int pos, std::vector<Finding>& further);

 private:
  std::vector<uint8_t> multiple_;    // per claim: refers to two or more claims
  std::vector<uint8_t> onMultiple_;  // per claim: depends on a claim of multiple_, to any depth
};
