// The subject step of the checks: a subject must be recognised, and a dependent claim's subject
// must be a tail of the subject of every parent found.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Appends "【不能识别本权项主题】" to the record at `pos` when its subject is empty; otherwise
// appends "【主题与父权不一致】" once when its subject is not the byte tail of some found parent's
// subject (parents later in the list are compared too).
void CheckSubject(int pos);

// How a dependent claim's subject stands to a parent's, beyond the byte tail the report asks for.
enum class SubjectFit : uint8_t {
  kSame,           // the two name the same thing once "的" and reference signs at their ends
                   // ("装置(100)") are dropped, one the end part of the other
  kOtherCategory,  // a process of something ("橡胶组合物的制造方法") under a claim that is none,
                   // or the product of a process ("方法制备得到的3D打印制品") under any claim
  kParentUnread,   // the parent's subject was not read
  kMismatch,       // anything else, also a bare "方法" under a product: a wrong reference
};
SubjectFit FitOfSubject(std::string_view subject, std::string_view parentSubject);

// True when a claim with `subject` is of another category than one of the claims `parents`
// (positions in g_claims) cites: a process of something under a claim that is none, or the
// product of a process ("…所述方法制备的纤维"). Such a claim cites them as an independent claim.
bool OfAnotherCategory(std::string_view subject, const std::vector<int>& parents);
