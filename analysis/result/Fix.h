// Certain corrections as data: the edits a finding's one right correction makes to the user's
// text, and applying a set of them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextSpan.h"

struct AnalysisResult;

// One replacement. The check that makes it places it in a claim's text as read (the finding's
// own coordinates); LocateFindings then places it in the user's text.
struct FixEdit {
  // The claim whose text holds the span, by its position in the result's claims; -1 for the claim
  // of the finding that carries the fix.
  int32_t claim = -1;
  int32_t textStart = 0;  // bytes of that claim's text as read
  int32_t textLength = 0;
  std::string text;  // GBK: what goes in place of the span (empty to delete it)

  // Filled by LocateFindings, in the user's text as given to RunCheck: the bytes replaced, and
  // for a front end the line and column of the first (or, for an insertion, of the character
  // the text goes before), the characters before it counting each line break as one (as a text
  // box holds them) and the characters replaced.
  TextSpan source;
  TextPlace place;
  int32_t offset = 0;
  int32_t length = 0;
};

struct Fix {
  std::string title;            // GBK: "改为“根据权利要求”"
  std::vector<FixEdit> edits;   // in the order of the text, none overlapping another
  bool located = false;         // set by LocateFindings once its edits are placed
};

// A fix shared by the findings it corrects at once (renumbering is one fix for every gap).
using FixPtr = std::shared_ptr<Fix>;

// A fix of one edit in the finding's own claim: `length` bytes at `start` become `text`.
FixPtr MakeFix(std::string title, int32_t start, int32_t length, std::string text);

// The title of a fix that puts `word` (GBK) in place: "改为“word”".
std::string TitleReplacingBy(std::string_view word);

// Every fix of `result`, each once, in the order of the findings that carry them.
std::vector<const Fix*> FixesOf(const AnalysisResult& result);

// The edits of `fixes` that can go in together, in the order of the user's text: a fix is taken
// whole or not at all, in the order given, and is left for the next check when one of its edits
// touches an edit already taken (overlaps it, or is an insertion at its start or end, or inside
// it). A fix given twice is taken once. The fixes must be located.
std::vector<const FixEdit*> SelectEdits(const std::vector<const Fix*>& fixes);

// The user's text (as given to RunCheck) with `edits` (as SelectEdits gives them) applied; every
// byte outside them stays as it was.
std::string ApplyEdits(std::string_view userText, const std::vector<const FixEdit*>& edits);

// ApplyEdits of SelectEdits: the user's text with as many of `fixes` as go together.
std::string ApplyFixes(std::string_view userText, const std::vector<const Fix*>& fixes);
