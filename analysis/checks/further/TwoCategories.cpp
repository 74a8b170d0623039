#include "checks/further/TwoCategories.h"

#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

enum class Category { kNone, kProcess, kProduct };

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Every category word is two characters.
constexpr int kCategoryWordBytes = 4;

// The category of the word `text` ends in.
Category EndingCategory(std::string_view text) {
  for (std::string_view word : gbk::kProcessWords) {
    if (EndsWith(text, word)) return Category::kProcess;
  }
  for (std::string_view word : gbk::kProductWords) {
    if (EndsWith(text, word)) return Category::kProduct;
  }
  return Category::kNone;
}

// The position in `subject` of its last conjunction, or kNotFound.
int LastConjunction(std::string_view subject) {
  static const CharSet kConjunctions(gbk::kConjunctions);
  int last = kNotFound;
  for (int pos = 0; pos < Size(subject); pos += CharLength(subject[pos])) {
    if (kConjunctions.HasAt(subject, pos)) last = pos;
  }
  // "以及" is one conjunction.
  if (last >= 2 && HasAt(subject, last - 2, gbk::kAndAlso)) last -= 2;
  return last;
}

}  // namespace

void CheckTwoCategories(const ClaimRecord& record, std::string_view text,
                        std::vector<Finding>& findings) {
  if (!record.isIndependent || record.subject.empty()) return;
  const int subjectStart = record.opening.subject.start;
  const std::string_view subject = record.subject;
  const int conjunction = LastConjunction(subject);
  if (conjunction <= 0) return;
  const int conjunctionLength = HasAt(subject, conjunction, gbk::kAndAlso) ? 4 : 2;
  const std::string_view head = subject.substr(0, conjunction);
  std::string_view tail = subject.substr(conjunction + conjunctionLength);
  const bool its = HasAt(tail, 0, gbk::kItsHead);
  if (its) tail.remove_prefix(Size(gbk::kItsHead));
  const Category tailCategory = EndingCategory(tail);
  Category headCategory = EndingCategory(head);
  const bool bare = Size(tail) == kCategoryWordBytes;
  const bool shortTail = Size(tail) == 2 * kCategoryWordBytes && headCategory != Category::kNone;
  if (tailCategory == Category::kNone || !(its || bare || shortTail)) return;
  if (headCategory == Category::kNone) headCategory = Category::kProduct;
  if (headCategory == tailCategory) return;
  AddWordFinding(findings, FindingCode::kTwoCategories, gbk::kLabelTwoCategories, text,
                 subjectStart + conjunction, Size(subject) - conjunction);
}
