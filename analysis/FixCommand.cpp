#include "FixCommand.h"

#include <vector>

#include "result/Fix.h"

namespace {

// The fix of the result's finding `index` in report order, or null.
const Fix* FixOfFinding(const AnalysisResult& result, int index) {
  for (const ClaimResult& claim : result.claims) {
    const int count = static_cast<int>(claim.findings.size());
    if (index >= 0 && index < count) return claim.findings[static_cast<size_t>(index)].fix.get();
    index -= count;
  }
  return nullptr;
}

// Applies `edits` to the fixed text and counts them; false when they change nothing.
bool ApplyTo(FixedText& fixed, const std::vector<const FixEdit*>& edits) {
  std::string next = ApplyEdits(fixed.text, edits);
  if (next == fixed.text) return false;
  fixed.edits += static_cast<int>(edits.size());
  fixed.text = std::move(next);
  return true;
}

}  // namespace

FixedText FixAll(std::string_view boxText, const AnalysisOptions& options) {
  FixedText fixed;
  fixed.text = std::string(boxText);
  for (int round = 0;; ++round) {
    fixed.outcome = RunCheck(fixed.text, options, kPlacesInUserText);
    if (round == kMaxFixRounds || !ApplyTo(fixed, SelectEdits(FixesOf(fixed.outcome.result)))) {
      return fixed;
    }
  }
}

FixedText FixFinding(std::string_view boxText, const AnalysisOptions& options, int finding) {
  FixedText fixed;
  fixed.text = std::string(boxText);
  fixed.outcome = RunCheck(fixed.text, options, kPlacesInUserText);
  const Fix* fix = FixOfFinding(fixed.outcome.result, finding);
  if (fix != nullptr && ApplyTo(fixed, SelectEdits({fix}))) {
    fixed.outcome = RunCheck(fixed.text, options, kPlacesInUserText);
  }
  return fixed;
}
