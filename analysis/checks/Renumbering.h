// Renumbering: the one correction of numbering gaps and of claims out of order.
#pragma once

// When some claim of g_claims has a numbering-gap finding, gives every such finding one shared
// fix that numbers the claims 1, 2, 3, … in their order and rewrites every reference to a claim
// ("权利要求N" and its mistyped forms "利要求N", "权力要求N", "权利要N", with their lists and
// ranges: "1、2或5", "1～3", "1-3", "1至3", in every claim) to the new number of the claim it
// meant: the one earlier claim that bore the number, or, when no earlier claim did, the one claim
// that bears it. A range keeps its form: its two ends are rewritten, and the claims between them
// must stand in rising order, so that they stay consecutive. When a reference cannot be mapped to
// exactly one claim (no claim bore its number, or two earlier ones did) or a range's claims would
// no longer be consecutive, the findings get no fix and say why (fixRefused), naming the claim
// and the reference. Claims' texts are read from g_paragraphs, without antecedent brackets; each
// edit names its claim. Work in proportion to the claims' texts.
void RenumberClaims();
