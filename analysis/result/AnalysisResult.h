// The outcome of one analysis as data: what the report shows, claim by claim and finding by
// finding. The report is one rendering of it; the outputs for programs are others.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "result/Finding.h"

enum class Outcome : uint8_t {
  kEmpty,          // the text holds no paragraph
  kNoClaimOne,     // no paragraph opens claim 1
  kNoIndependent,  // claims were found, none of them independent: the report has no summary
  kProblems,       // the summary counts problems
  kClean,          // the summary counts no problem
};

// "empty", "no-claim-1", "no-independent", "problems" or "clean".
std::string_view OutcomeName(Outcome outcome);

struct ClaimResult {
  int32_t number = 0;
  bool independent = true;
  std::string subject;           // GBK; "" when not recognised
  std::vector<int32_t> parents;  // the numbers referred to, without repeats; empty when unread
  int32_t set = 0;               // the claim set it belongs to, from 1; 0 before the first one
  int32_t problemNumber = 0;     // K of its "★[ErrT-K]", 0 when it has no problem
  // Its paragraphs among the analysed text's: its text as read is them joined by "\r\n".
  int32_t firstParagraph = 0;
  int32_t paragraphCount = 1;
  std::vector<Finding> findings;  // in report order: the merged bracket's, then the text's
  // Set when the report is written: where the claim's head begins in the report (its "★" or its
  // kind tag), in the units of its findings' report places.
  int32_t reportStart = 0;
  TextPlace place;                // the first digit of its number in the user's text
};

struct AnalysisResult {
  Outcome outcome = Outcome::kEmpty;
  // The summary's counts (all 0 for kEmpty and kNoClaimOne; sets 0 for kNoIndependent).
  int32_t sets = 0;
  int32_t problemClaims = 0;
  int32_t problems = 0;
  std::vector<ClaimResult> claims;
  // Where each paragraph (as trimmed) lies in the analysed text, which the result does not hold.
  std::vector<TextSpan> paragraphs;
  // Set when the report is written (WriteReport): the inside of every bracket it writes, in its
  // order, which is what the report shows in red: the blank of the summary's "【 】" when there
  // is a summary, then claim by claim its merged bracket and its antecedent brackets.
  std::vector<TextSpan> markInsides;

  bool HasSummary() const { return outcome == Outcome::kProblems || outcome == Outcome::kClean; }
};
