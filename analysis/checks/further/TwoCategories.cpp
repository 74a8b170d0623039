#include "checks/further/TwoCategories.h"

#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"
#include "claims/SubjectRecognition.h"

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

// Where in `tail` it first refers back to the part before the conjunction ("其", "该", "此"),
// or kNotFound.
int BackReference(std::string_view tail) {
  static const CharSet kBackReferences(gbk::kBackReferences);
  for (int pos = 0; pos < Size(tail); pos += CharLength(tail[pos])) {
    if (kBackReferences.HasAt(tail, pos)) return pos;
  }
  return kNotFound;
}

// True when `tail`, from its back reference at `back` on, names a thing made by the process
// before it: "利用其制备的隐形眼镜", "由该方法制得的产物" — a "的" behind the back reference, and
// a noun behind the last "的".
bool NamesProductOfIt(std::string_view tail, int back) {
  if (back == kNotFound) return false;
  int lastOf = kNotFound;
  for (int pos = FindFrom(tail, gbk::kOf, back); pos != kNotFound;
       pos = FindFrom(tail, gbk::kOf, pos + Size(gbk::kOf))) {
    lastOf = pos;
  }
  return lastOf != kNotFound && lastOf + Size(gbk::kOf) < Size(tail);
}

// The category that the part after the conjunction names of its own, to be weighed against the
// head's: kNone when it names none or is only the end of one longer name ("加热和冷却方法").
Category TailCategory(std::string_view tail, Category headCategory) {
  const int back = BackReference(tail);
  const std::string_view named =
      back == 0 && HasAt(tail, 0, gbk::kItsHead) ? tail.substr(Size(gbk::kItsHead)) : tail;
  const Category category = EndingCategory(named);
  if (category == Category::kNone && headCategory == Category::kProcess &&
      NamesProductOfIt(tail, back)) {
    return Category::kProduct;
  }
  const bool bare = Size(named) == kCategoryWordBytes;
  const bool shortTail = Size(named) == 2 * kCategoryWordBytes && headCategory != Category::kNone;
  return back != kNotFound || bare || shortTail ? category : Category::kNone;
}

}  // namespace

void CheckTwoCategories(const ClaimRecord& record, std::string_view text,
                        std::vector<Finding>& findings) {
  if (!record.isIndependent || record.subject.empty()) return;
  // The subject is the first run of Chinese characters, without "一种".
  int subjectStart = FindFirstHanzi(text);
  if (WordAt(text, subjectStart, gbk::kOneKind)) subjectStart += Size(gbk::kOneKind);
  if (!WordAt(text, subjectStart, record.subject)) return;
  const std::string_view subject = record.subject;
  const int conjunction = LastConjunction(subject);
  if (conjunction <= 0) return;
  const int conjunctionLength = HasAt(subject, conjunction, gbk::kAndAlso) ? 4 : 2;
  const std::string_view head = subject.substr(0, conjunction);
  const std::string_view tail = subject.substr(conjunction + conjunctionLength);
  const Category headCategory = EndingCategory(head);
  const Category tailCategory = TailCategory(tail, headCategory);
  if (tailCategory == Category::kNone) return;
  // A head of no category word names a thing ("火车专业散粮袋及其制备方法").
  if ((headCategory == Category::kNone ? Category::kProduct : headCategory) == tailCategory) return;
  AddWordFinding(findings, FindingCode::kTwoCategories, Severity::kFix, gbk::kLabelTwoCategories,
                 text, subjectStart + conjunction, Size(subject) - conjunction);
}
