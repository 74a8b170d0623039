// Counting along GB18030 text: characters as Unicode code points, and lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "text/TextSpan.h"

// The byte length of the character at `pos`: 1 below 0x80, 4 for a four-byte GB18030 sequence
// (a byte of 0x80 or more, a digit "0" to "9", a byte of 0x80 or more, a digit), else 2; never
// past the end of the text. Its characters begin where the engine's two-byte walk has a
// character begin, whatever the bytes.
int Gb18030CharLength(std::string_view text, size_t pos);

// Walks a text forward a character at a time, so that a series of places along it, asked in
// ascending order, costs one walk in all. A line break is "\r\n", a lone "\r", "\n", vertical tab
// or form feed, or one of gbk::kOtherLineBreaks (U+0085, U+2028, U+2029): the breaks the
// normalisation makes "\r\n".
class TextWalker {
 public:
  explicit TextWalker(std::string_view text) : text_(text) {}

  // Walks to byte `pos` (or the first character boundary after it, or the end); a position
  // behind the walk is not walked back to. Returns the code points before the walk's position.
  int32_t CodePointsBefore(size_t pos);

  // The line and column of the character at byte `pos`, walked to as CodePointsBefore walks.
  TextPlace PlaceOf(size_t pos);

 private:
  static constexpr size_t kUnknown = static_cast<size_t>(-1);

  // The bytes a line break can begin with: "\n", "\v", "\f", "\r" and the first byte of
  // gbk::kOtherLineBreaks.
  static constexpr char kBreakBytes[] = {'\n', '\v', '\f', '\r', '\x81'};

  // The position of the next byte of kBreakBytes at or after the walk's, or the end: a break, or
  // a byte that may begin one.
  size_t NextBreak();

  std::string_view text_;
  size_t byte_ = 0;
  size_t nextBreakByte_[std::size(kBreakBytes)] = {kUnknown, kUnknown, kUnknown, kUnknown,
                                                   kUnknown};
  int32_t codePoints_ = 0;
  int32_t line_ = 1;
  int32_t lineStart_ = 0;  // code points before the line's first character
};

// Counts code points as TextWalker does, but not lines: a line break is one code point for
// each of its characters either way, so the walk need not stop at the breaks. Places asked in
// ascending order cost one walk in all.
class CodePointCounter {
 public:
  explicit CodePointCounter(std::string_view text) : text_(text) {}

  // TextWalker::CodePointsBefore(pos) of the same text.
  int32_t Before(size_t pos);

 private:
  std::string_view text_;
  size_t byte_ = 0;
  int32_t codePoints_ = 0;
};
