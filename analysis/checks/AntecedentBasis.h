// Antecedent basis: a term after "所述" must appear earlier in the claim or in one of its
// ancestors up to four generations (parent to great-great-grandparent).
#pragma once

#include <memory>
#include <string>
#include <string_view>

// The 27 characters that end a term: "的是为还有在和或与以将及当所由而至跟只又再于使让可到则".
extern const std::string g_termStopChars;

// How many ancestor generations are searched for a term.
inline constexpr int kAntecedentGenerations = 4;

// The number of Chinese characters in the text (two-byte characters with a lead byte of 0xB0 or
// more and a trail byte of 0xA1 or more).
int CountHanzi(std::string_view text);

// The term that begins at `pos` (right behind a "所述"), or "" when none is recognised. A plain
// term is the first two Chinese characters of a run of Chinese characters that ends before a
// stop character, "包括", "包含" or anything else; a term with a reference sign runs up to and
// including the ")" of a "(...)" holding only ASCII digits, letters, "-", "_", "." and Chinese
// characters, and counts 1 to 9 Chinese characters in all.
std::string ExtractTerm(std::string_view text, int pos);

// True when `term` has a basis for the "所述" that ends at `pos` in the text of the claim at
// `claimPos`: it occurs earlier in that text, or anywhere in the text of an ancestor within four
// generations, an ancestor before `claimPos` read with the brackets its own check found (the
// report shows them; a term may not run across one). Also true when the term is shorter than 4 bytes (nothing to
// check) or `claimPos` is not a position in g_claims.
bool HasAntecedent(std::string_view term, int pos, int claimPos);

// Runs the antecedent-basis step over the claims of one analysis, keeping what it learns about
// the texts (indexes of long texts, which claims hold which words) from one claim to the next.
// While a checker lives, records must not be added to g_claims and the claims' texts must not
// change. Claims are checked in list order, each once.
class AntecedentChecker {
 public:
  AntecedentChecker();
  ~AntecedentChecker();
  AntecedentChecker(const AntecedentChecker&) = delete;
  AntecedentChecker& operator=(const AntecedentChecker&) = delete;

  // Brackets in the text of the claim at `claimPos` every "所述" after the first "其特征在于"
  // whose term has no basis: "【所述】" for a plain term, "【所述弹簧(3)】" for a term with a
  // reference sign. Each bracket also becomes an antecedent finding of the record, with the span
  // it encloses in the text as it stood before and the term. Does nothing for a claim marked
  // "【多引多】" or without "其特征在于". Uses g_markSpans.
  void Check(int claimPos);

 private:
  friend bool HasAntecedent(std::string_view term, int pos, int claimPos);
  struct State;
  std::unique_ptr<State> state_;
};

