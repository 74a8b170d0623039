// What the further checks share: a finding about words of the text, and the walk that finds them.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "result/Finding.h"
#include "text/GbkText.h"

// Appends a finding about the `length` bytes at `start` of `text` (its severity comes from
// SeverityOf, once the claim is checked), marked "【<label><word>】" with
// the word as its term; `label` is a text of GbkTexts.h, which the finding keeps. Nothing is
// appended when a finding of the same code already names the same word: a slip made again in one
// claim is shown once.
void AddWordFinding(std::vector<Finding>& findings, FindingCode code, std::string_view label,
                    std::string_view text, int start, int length);

// Gives a finding of AddWordFinding in `text` the fix that puts `corrected` (GBK) in place of its
// word; nothing when `corrected` is empty. When `corrected` is the word's first half (a word
// written twice), the copies written again behind it go too, so that one remains.
void FixWord(Finding& finding, std::string corrected, std::string_view text);

// The word of the finding of `code` that names the word at `start` (`length` bytes) of `text`,
// found again there and shown once: the finding's fix, when it has one, corrects this place too,
// as FixWord corrects the first. Nothing when this place overlaps the last one it corrects.
void FixWordAgain(std::vector<Finding>& findings, FindingCode code, std::string_view text,
                  int start, int length);

// True when `pos` lies within a reference-wording finding of `findings`: the slip is that
// check's, and one slip makes one finding.
bool WithinReferenceSlip(const std::vector<Finding>& findings, int pos);

// HasAt for the walks of the further checks, which ask it at nearly every character. `word` is
// not empty. Words are a few bytes long and most places differ in their first byte or two: the
// bytes are compared in line, which costs less than a call to compare them.
inline bool WordAt(std::string_view text, int pos, std::string_view word) {
  const auto at = static_cast<size_t>(pos);
  if (pos < 0 || at + word.size() > text.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (text[at + i] != word[i]) return false;
  }
  return true;
}

// What a word check found at one place: the word's length in bytes (0 for none) and its label.
struct WordFound {
  int length = 0;
  std::string_view label;
};

// The two-byte characters a word check's words open with, held as one byte per character: the
// walk below asks it at every character, and a byte costs one load where CharSet's bit costs a
// shift and a mask more.
class WordHeads {
 public:
  // The two-byte characters of `chars` ("权利" makes a set of two).
  explicit WordHeads(std::string_view chars);

  // True when the two-byte character of these bytes is in the set; `lead` is 0x80 or more.
  bool Has(char lead, char trail) const {
    return has_[(static_cast<unsigned char>(lead) - 0x80u) << 8 | static_cast<unsigned char>(trail)];
  }

 private:
  std::array<bool, 0x8000> has_{};
};

// Walks the characters of `text` and calls `wordAt(pos, previous)` at each two-byte character
// that `heads` has, where `previous` is the position of the character before (-1 at the start and right behind a word). Each word found
// becomes a finding (AddWordFinding); the walk goes on behind it.
template <typename WordAt>
void FindWords(std::string_view text, const WordHeads& heads, FindingCode code,
               std::vector<Finding>& findings, WordAt wordAt) {
  const int size = Size(text);
  int previous = -1;
  for (int pos = 0; pos < size;) {
    // Most characters are no head: they are passed over with a byte test and one lookup.
    if (CharLength(text[pos]) == 1) {
      previous = pos++;
      continue;
    }
    if (pos + 1 == size || !heads.Has(text[pos], text[pos + 1])) {
      // The two-byte characters that follow and are no head either are passed over at once,
      // walked by a pointer, which keeps the loop to a few instructions a character.
      // (A first byte alone at the end is no head either.)
      const char* at = text.data() + std::min(pos + 2, size);
      const char* const last = text.data() + size - 1;  // a character's first byte comes before
      while (at < last && CharLength(*at) == 2 && !heads.Has(at[0], at[1])) at += 2;
      pos = static_cast<int>(at - text.data());
      previous = pos - 2;
      continue;
    }
    const WordFound found = wordAt(pos, previous);
    if (found.length > 0) {
      AddWordFinding(findings, code, found.label, text, pos, found.length);
      previous = -1;
      pos += found.length;
    } else {
      previous = pos;
      pos += 2;
    }
  }
}
