// What must hold after every check, whatever the input: the rules the fuzz target enforces, and the
// engine's tests on every text they check.
#pragma once

#include <string>
#include <string_view>

#include "CheckCommand.h"

// Checks `outcome`, the result of RunCheck(boxText) with g_claims and g_paragraphs as that check
// left them. Returns a description of the first rule broken, or "" when all hold: the paragraphs
// and the claims' texts are the normalised text's; the report is its summary, set headers, claim
// blocks and closing line, its counts and stars agreeing with the records; the red ranges are the
// brackets' insides; the result holds one finding per problem, each at its bracket and at its
// place in the box's text (each rule is described where it is checked).
std::string FindBrokenRule(std::string_view boxText, const CheckOutcome& outcome);
