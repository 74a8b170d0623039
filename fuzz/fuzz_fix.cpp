// Arbitrary bytes as the box's text, its certain corrections applied: the text outside the edits
// stays byte for byte as it was, a fixed finding is gone from its place when the fixed text is
// checked again, and fixing the fixed text changes nothing.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "CheckCommand.h"
#include "FixCommand.h"
#include "result/Fix.h"
#include "text/TextWalker.h"

namespace {

void Fail(const char* rule) {
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

// The text outside `edits` is `before`'s, in order, with each edit's text between.
void CheckOutsideKept(std::string_view before, std::string_view after,
                      const std::vector<const FixEdit*>& edits) {
  size_t from = 0;
  size_t at = 0;
  for (const FixEdit* edit : edits) {
    const auto start = static_cast<size_t>(edit->source.start);
    const auto end = start + static_cast<size_t>(edit->source.length);
    if (start < from || end > before.size()) Fail("edits out of order or past the end");
    if (after.substr(at, start - from) != before.substr(from, start - from)) {
      Fail("text between edits changed");
    }
    at += start - from;
    if (after.substr(at, edit->text.size()) != edit->text) Fail("edit text not in place");
    at += edit->text.size();
    from = end;
  }
  if (after.substr(at) != before.substr(from)) Fail("text after the last edit changed");
}

// Where (line, column) of the text before the edits is in the text after them: edits never
// cross a line, so only those on its line that end before it move it (an edit that starts where
// a finding starts leaves the finding's start where it was).
TextPlace Moved(TextPlace place, const std::vector<const FixEdit*>& edits) {
  TextPlace moved = place;
  for (const FixEdit* edit : edits) {
    if (edit->place.line != place.line || edit->place.column + edit->length > place.column) {
      continue;
    }
    TextWalker walker(edit->text);
    moved.column += walker.CodePointsBefore(edit->text.size()) - edit->length;
  }
  return moved;
}

struct Fixed {
  FindingCode code;
  std::string_view pair;
  TextPlace place;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view box(reinterpret_cast<const char*>(data), size);
  const CheckOutcome outcome = RunCheck(box, {.review = true});
  const std::vector<const FixEdit*> edits = SelectEdits(FixesOf(outcome.result));
  const std::string after = ApplyEdits(box, edits);
  CheckOutsideKept(box, after, edits);
  // The findings whose fixes went in, and where they now stand; and one finding, chosen by the
  // input's size, whose fix applied alone (as 修正 applies it) must be that fix and nothing else.
  std::vector<Fixed> fixed;
  const Fix* chosenFix = nullptr;
  int index = 0;
  const int chosen = static_cast<int>(size % 7);
  for (const ClaimResult& claim : outcome.result.claims) {
    for (const Finding& f : claim.findings) {
      if (index++ == chosen) chosenFix = f.fix.get();
      if (!f.fix || f.fix->edits.empty() ||
          std::find(edits.begin(), edits.end(), &f.fix->edits.front()) == edits.end()) {
        continue;
      }
      fixed.push_back({f.code, f.pair, Moved(f.place, edits)});
    }
  }
  const CheckOutcome again = RunCheck(after, {.review = true});
  for (const ClaimResult& claim : again.result.claims) {
    for (const Finding& f : claim.findings) {
      for (const Fixed& was : fixed) {
        if (f.code == was.code && f.pair == was.pair && f.place.line == was.place.line &&
            f.place.column == was.place.column) {
          std::fprintf(stderr, "%.*s at line %d, column %d\n",
                       static_cast<int>(FindingCodeName(f.code).size()),
                       FindingCodeName(f.code).data(), f.place.line, f.place.column);
          Fail("a fixed finding found again at its place");
        }
      }
    }
  }
  const std::string alone =
      chosenFix ? ApplyFixes(box, {chosenFix}) : std::string(box);
  if (FixFinding(box, {.review = true}, chosen).text != alone) Fail("one fix not applied alone");
  const FixedText all = FixAll(box);
  if (FixAll(all.text).edits != 0) Fail("fixing the fixed text changed it");
  ResetAnalysis();
  return 0;
}
