// Character-level helpers for GBK text held in byte strings.
//
// A byte below 0x80 is a one-byte character; a byte of 0x80 or more opens a two-byte character
// (a lead byte in the last position stands alone). Positions and lengths are byte counts held in
// int; texts are shorter than 2^31 bytes. Searches match only where a character begins.
#pragma once

#include <bitset>
#include <string>
#include <string_view>

inline constexpr int kNotFound = -1;

// The byte length of the string as a position.
inline int Size(std::string_view text) { return static_cast<int>(text.size()); }

// 1 for a byte below 0x80, 2 for a lead byte.
inline int CharLength(char lead) { return static_cast<unsigned char>(lead) < 0x80 ? 1 : 2; }

// True for "0" to "9".
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The end of the run of ASCII digits that starts at `pos`: `pos` itself when none stands there.
inline int DigitRunEnd(std::string_view text, int pos) {
  while (pos < static_cast<int>(text.size()) && IsAsciiDigit(text[pos])) ++pos;
  return pos;
}

// True for "a" to "z" and "A" to "Z".
inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// True when `pair` is exactly two bytes, the first at least 0xB0 and the second at least 0xA1:
// a Chinese character. Full-width punctuation, digits, letters and spaces are not.
inline bool IsHanziPair(std::string_view pair) {
  return pair.size() == 2 && static_cast<unsigned char>(pair[0]) >= 0xB0 &&
         static_cast<unsigned char>(pair[1]) >= 0xA1;
}

// True when the (at most) two bytes at `pos` form a Chinese character. In line: the walks over
// a claim's text ask it at nearly every character.
inline bool IsHanziAt(std::string_view text, int pos) {
  return pos >= 0 && pos + 1 < static_cast<int>(text.size()) &&
         IsHanziPair(text.substr(static_cast<size_t>(pos), 2));
}

// The bytes from `pos`, at most `n` of them, cut short at the end of the text; "" when `pos` lies
// at or beyond the end.
std::string_view Substring(std::string_view text, int pos, int n);

// True when the text holds `needle` at byte `pos` (cut short at the end, so never past it).
inline bool HasAt(std::string_view text, int pos, std::string_view needle) {
  if (needle.empty()) return true;
  if (pos < 0 || pos > Size(text) - Size(needle)) return false;
  // Needles are a few bytes long: comparing them here costs less than a call to compare them.
  for (size_t i = 0; i < needle.size(); ++i) {
    if (text[static_cast<size_t>(pos) + i] != needle[i]) return false;
  }
  return true;
}

// The position of the first occurrence of `needle` that begins at a character boundary at or
// after `from`, or kNotFound. `from` must itself be a character boundary (0 always is); the walk
// starts there, never at byte 0, so repeated searches along a text stay linear in its length.
// An empty needle is found at `from` when `from` lies within the text.
int FindFrom(std::string_view text, std::string_view needle, int from = 0);

// True when `needle` occurs in the text at a character boundary.
inline bool Contains(std::string_view text, std::string_view needle) {
  return FindFrom(text, needle) != kNotFound;
}

// The number of non-overlapping occurrences of `needle`, searched from the start; 0 for an empty
// needle.
int CountOccurrences(std::string_view text, std::string_view needle);

// The text with every occurrence of `needle` (found from the start, non-overlapping) replaced by
// `replacement`. An empty needle leaves the text as it is.
std::string ReplaceAll(std::string_view text, std::string_view needle,
                       std::string_view replacement);

// True for the ASCII whitespace bytes: space, tab, CR, LF, vertical tab, form feed. The
// full-width space is not whitespace.
inline bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text without leading and trailing ASCII whitespace.
inline std::string_view TrimAscii(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsAsciiSpace(text[begin])) ++begin;
  while (end > begin && IsAsciiSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// A set of two-byte characters, looked up in constant time.
class CharSet {
 public:
  // The two-byte characters of `chars` ("预节简" makes a set of three).
  explicit CharSet(std::string_view chars);

  // True when the two-byte character at `pos` is in the set; false at a one-byte character and
  // at a lead byte in the last position.
  bool HasAt(std::string_view text, int pos) const {
    if (pos < 0 || pos + 1 >= Size(text) || CharLength(text[pos]) != 2) return false;
    return Has(text[pos], text[pos + 1]);
  }

  // True when the two-byte character of these bytes is in the set; `lead` is 0x80 or more.
  bool Has(char lead, char trail) const { return bits_[Index(lead, trail)]; }

 private:
  static size_t Index(char lead, char trail) {
    return (static_cast<unsigned char>(lead) - 0x80u) * 256u + static_cast<unsigned char>(trail);
  }

  std::bitset<0x8000> bits_;
};
