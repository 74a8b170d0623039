// Arbitrary bytes as the box's text, through normalisation and analysis: no crash, no undefined
// behaviour, and the report always agrees with the claims it was written from.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "AnalyzeClaims.h"
#include "CheckCommand.h"
#include "report/BoxRanges.h"
#include "support/ReportInvariants.h"

namespace {

// The findings' ranges in the box, in the report's order, each at least as long in UTF-16 units
// as its bracket is in code points (nothing in a bracket breaks a line) and at most twice.
const char* BrokenBoxRange(const CheckOutcome& places, const CheckOutcome& bytes) {
  const std::vector<BoxRange> ranges = FindingRangesInBox(bytes.result, bytes.shownText);
  size_t index = 0;
  int32_t previous = 0;
  for (const ClaimResult& claim : places.result.claims) {
    for (const Finding& finding : claim.findings) {
      if (index == ranges.size()) return "fewer box ranges than findings";
      const BoxRange range = ranges[index++];
      const int32_t units = range.end - range.start;
      if (range.start < previous) return "box ranges out of order";
      if (units < finding.reportLength || units > 2 * finding.reportLength) {
        return "box range does not fit its bracket";
      }
      previous = range.start;
    }
  }
  return index == ranges.size() ? nullptr : "more box ranges than findings";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view boxText(reinterpret_cast<const char*>(data), size);
  // Half the inputs with the further checks, whose marks the report then shows and counts.
  const CheckOutcome outcome = RunCheck(boxText, {.review = size % 2 == 1});
  const std::string broken = FindBrokenRule(boxText, outcome);
  if (!broken.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", broken.c_str());
    std::abort();
  }
  // A quarter of the inputs again with the report's places in bytes, as the window and the page
  // take them, for the findings' ranges in the box.
  if (size % 4 < 2 && outcome.checked) {
    const CheckOutcome bytes = RunCheck(boxText, {.review = size % 2 == 1}, kPlacesNone);
    if (const char* brokenRange = BrokenBoxRange(outcome, bytes)) {
      std::fprintf(stderr, "broken rule: %s\n", brokenRange);
      std::abort();
    }
  }
  // Released here, the claims of one input do not look like a leak to the fuzzer's leak check,
  // which would otherwise run after every input.
  ResetAnalysis();
  return 0;
}
