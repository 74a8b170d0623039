#include "result/AnalysisResult.h"

std::string_view OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::kEmpty:
      return "empty";
    case Outcome::kNoClaimOne:
      return "no-claim-1";
    case Outcome::kNoIndependent:
      return "no-independent";
    case Outcome::kProblems:
      return "problems";
    case Outcome::kClean:
      return "clean";
  }
  return {};
}
