#include "FixCommand.h"

#include <vector>

#include "result/Fix.h"

FixedText FixAll(std::string_view boxText) {
  FixedText fixed;
  fixed.text = std::string(boxText);
  for (int round = 0;; ++round) {
    fixed.outcome = RunCheck(fixed.text, {.review = true}, kPlacesInUserText);
    if (round == kMaxFixRounds) return fixed;
    const std::vector<const FixEdit*> edits = SelectEdits(FixesOf(fixed.outcome.result));
    std::string next = ApplyEdits(fixed.text, edits);
    if (next == fixed.text) return fixed;
    fixed.edits += static_cast<int>(edits.size());
    fixed.text = std::move(next);
  }
}
