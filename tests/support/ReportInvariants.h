// What must hold after every check, whatever the input: the rules the fuzz target enforces, and the
// engine's tests on every text they check.
#pragma once

#include <string>
#include <string_view>

#include "CheckCommand.h"

// Checks `outcome`, the result of RunCheck(boxText) with g_claims and g_paragraphs as that check
// left them. Returns a description of the first rule broken, or "" when all hold:
// - without a claim the shown text is the normalised text;
// - the paragraphs are the normalised text's pieces between line breaks, trimmed, empty ones left
//   out, and every paragraph from claim 1 on reaches a claim's text unchanged, and the report's
//   text of the claim once its brackets are taken out;
// - the report consists of a summary (only when some claim is independent), one set header per
//   independent claim, one block per claim holding its head, marks, a space and its text where
//   the claim's record says they are, and the closing line; the summary's counts of sets, claims,
//   problem claims and problems agree with the claims, exactly the problem claims carry "★[Err",
//   numbered in order, before their kind tag, and each claim's problem count equals the marks in
//   its text and its merged marks;
// - the result's red ranges are exactly the insides the classic colouring finds in the report;
// - the analysis result holds one finding per problem, each placed on the inside of the report's
//   bracket that shows it; every claim stands in the box's text at its paragraph's first character
//   (line and column in code points, "\r\n", "\n" and a lone "\r" each a line break), its
//   findings about the claim as a whole with it, and each antecedent finding at its "所".
std::string FindBrokenRule(std::string_view boxText, const CheckOutcome& outcome);
