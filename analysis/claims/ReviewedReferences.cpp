#include "claims/ReviewedReferences.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "claims/ClaimOpening.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// The claim numbers of the list that starts at `pos` (right behind "权利要求"), joined by any
// joining word of a claim's opening, appended to `numbers`; `budget` bounds the numbers that
// ranges spell out.
void ReadNumbers(std::string_view text, int pos, std::vector<int32_t>& numbers, int& budget) {
  bool range = false;
  while (pos < Size(text) && IsAsciiDigit(text[pos])) {
    const int end = DigitRunEnd(text, pos);
    if (end - pos > 4) return;
    const int32_t n = std::stoi(std::string(text.substr(pos, end - pos)));
    const int32_t from = range && !numbers.empty() ? numbers.back() + 1 : n;
    if (n - from + 1 > budget) {
      numbers.push_back(n);
    } else {
      for (int32_t k = from; k <= n; ++k) numbers.push_back(k);
      budget -= std::max(0, n - from + 1);
    }
    const ListSign sign = ListSignAt(text, end);
    if (sign.join == Join::kNone) return;
    range = sign.join == Join::kRange;
    pos = end + sign.length;
    if (HasAt(text, pos, gbk::kClaimWord)) pos += Size(gbk::kClaimWord);
  }
}

// True when the claim's opening is a reference ("根据权利要求1", "按照权利要求1", "权利要求2的",
// "根据前述权利要求"): "权利要求" within the first four characters, not after "一种".
bool OpensWithReference(const ClaimRecord& record) {
  constexpr int kOpeningBytes = 8;
  const std::string_view text = record.text;
  const int first = record.opening.first;
  if (first == kNotFound || HasAt(text, first, gbk::kOneKind)) return false;
  const int claimWord = FindFrom(text, gbk::kClaimWord, first);
  return claimWord != kNotFound && claimWord <= first + kOpeningBytes;
}

}  // namespace

std::vector<int32_t> ReferencedClaims(std::string_view text) {
  std::vector<int32_t> numbers;
  int budget = Size(text);
  for (int at = FindFrom(text, gbk::kClaimWord); at != kNotFound;
       at = FindFrom(text, gbk::kClaimWord, at + Size(gbk::kClaimWord))) {
    ReadNumbers(text, at + Size(gbk::kClaimWord), numbers, budget);
  }
  std::vector<int32_t> unique;
  std::unordered_set<int32_t> seen;
  for (int32_t n : numbers) {
    if (seen.insert(n).second) unique.push_back(n);
  }
  return unique;
}

int OpeningEnd(std::string_view text) {
  int end = Size(text);
  for (std::string_view stop : {gbk::kComma, gbk::kColon, gbk::kCharacterisedBy}) {
    const int at = FindFrom(text, stop);
    if (at != kNotFound) end = std::min(end, at);
  }
  return end;
}

bool RefersBack(const ClaimRecord& record) {
  return !record.isIndependent || OpensWithReference(record);
}

void AddClaimPositions(const std::vector<int32_t>& numbers, int self, std::vector<int>& positions) {
  for (int32_t n : numbers) {
    const int at = FindClaimIndex(n);
    if (at >= 0 && at != self) positions.push_back(at);
  }
}

std::vector<int> ReviewParents(int pos) {
  const ClaimRecord& record = g_claims[pos];
  std::vector<int> parents;
  for (int parent : record.parentIndices) {
    if (parent != pos) parents.push_back(parent);
  }
  if (record.parentIndices.empty() && RefersBack(record)) {
    const std::string_view text = record.text;
    AddClaimPositions(ReferencedClaims(text.substr(0, OpeningEnd(text))), pos, parents);
  }
  return parents;
}

std::string_view ReviewSubject(const ClaimRecord& record) {
  const ClaimOpening& opening = record.opening;
  const bool unread = opening.form == ReferenceForm::kUnreadWord ||
                      opening.form == ReferenceForm::kClaimWord;
  return unread ? SpanText(record.text, opening.namedSubject) : std::string_view(record.subject);
}
