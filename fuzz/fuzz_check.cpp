// Arbitrary bytes as the box's text, through normalisation and analysis: no crash, no undefined
// behaviour, and the report always agrees with the claims it was written from.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "AnalyzeClaims.h"
#include "CheckCommand.h"
#include "support/ReportInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view boxText(reinterpret_cast<const char*>(data), size);
  // Half the inputs with the further checks, whose marks the report then shows and counts.
  const CheckOutcome outcome = RunCheck(boxText, {.review = size % 2 == 1});
  const std::string broken = FindBrokenRule(boxText, outcome);
  if (!broken.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", broken.c_str());
    std::abort();
  }
  // Released here, the claims of one input do not look like a leak to the fuzzer's leak check,
  // which would otherwise run after every input.
  ResetAnalysis();
  return 0;
}
