#include "text/TextWalker.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "text/GbkTexts.h"

namespace {

constexpr uint64_t kHighBits = 0x8080808080808080;

// The number of bytes from `pos`, up to `to`, whose high bit is set (`high`) or clear.
size_t RunLength(std::string_view text, size_t pos, size_t to, bool high) {
  const size_t start = pos;
  if constexpr (std::endian::native == std::endian::little) {
    for (; pos + 8 <= to; pos += 8) {
      uint64_t word;
      std::memcpy(&word, text.data() + pos, sizeof word);
      // The bytes that end the run have their high bit the other way.
      const uint64_t ends = (high ? ~word : word) & kHighBits;
      if (ends != 0) return pos - start + static_cast<size_t>(std::countr_zero(ends)) / 8;
    }
  }
  while (pos < to && (static_cast<unsigned char>(text[pos]) >= 0x80) == high) ++pos;
  return pos - start;
}

// From the character boundary `from`, walks characters until `to` is reached or passed, adding
// them to `count`; returns the byte reached. A run of bytes below 0x80 is that many characters;
// a run of 0x80 or more that starts at a boundary is two-byte characters, and when its length
// is odd its last byte leads a character whose next byte lies behind the run.
size_t WalkCharacters(std::string_view text, size_t from, size_t to, int32_t& count) {
  size_t pos = from;
  while (pos < to) {
    const size_t low = RunLength(text, pos, to, false);
    count += static_cast<int32_t>(low);
    pos += low;
    if (pos >= to) break;
    const size_t high = RunLength(text, pos, to, true);
    count += static_cast<int32_t>(high / 2);
    pos += high - high % 2;
    if (high % 2 == 0) continue;
    pos += static_cast<size_t>(Gb18030CharLength(text, pos));
    ++count;
  }
  return pos;
}

static_assert(std::all_of(std::begin(gbk::kOtherLineBreaks), std::end(gbk::kOtherLineBreaks),
                          [](std::string_view lineBreak) { return lineBreak[0] == '\x81'; }),
              "TextWalker::kBreakBytes holds the first byte of every other line break");

// The bytes of the line break that begins at the character boundary `pos`, or 0.
size_t BreakLength(std::string_view text, size_t pos) {
  const char c = text[pos];
  if (c == '\n' || c == '\v' || c == '\f' || c == '\r') return 1;
  for (std::string_view lineBreak : gbk::kOtherLineBreaks) {
    if (text.substr(pos, lineBreak.size()) == lineBreak) return lineBreak.size();
  }
  return 0;
}

}  // namespace

int Gb18030CharLength(std::string_view text, size_t pos) {
  if (static_cast<unsigned char>(text[pos]) < 0x80) return 1;
  const size_t left = text.size() - pos;
  // A four-byte sequence is lead, digit, lead, digit: with anything else in the third or fourth
  // place the bytes are two-byte characters, as the engine walks them.
  const auto digit = [&](size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  if (left >= 4 && digit(pos + 1) && static_cast<unsigned char>(text[pos + 2]) >= 0x80 &&
      digit(pos + 3)) {
    return 4;
  }
  return left >= 2 ? 2 : 1;
}

size_t TextWalker::NextBreak() {
  size_t nearest = text_.size();
  for (size_t i = 0; i < std::size(kBreakBytes); ++i) {
    size_t& cached = nextBreakByte_[i];
    if (cached == kUnknown || cached < byte_) {
      const void* found = std::memchr(text_.data() + byte_, kBreakBytes[i], text_.size() - byte_);
      cached = found ? static_cast<size_t>(static_cast<const char*>(found) - text_.data())
                     : text_.size();
    }
    nearest = std::min(nearest, cached);
  }
  return nearest;
}

int32_t TextWalker::CodePointsBefore(size_t pos) {
  if (pos > text_.size()) pos = text_.size();
  while (byte_ < pos) {
    const size_t lineBreak = NextBreak();
    if (byte_ < lineBreak) {
      byte_ = WalkCharacters(text_, byte_, lineBreak < pos ? lineBreak : pos, codePoints_);
      continue;
    }
    const size_t length = BreakLength(text_, byte_);
    if (length == 0) {
      // A lead or trail byte of a character that is no line break.
      byte_ += static_cast<size_t>(Gb18030CharLength(text_, byte_));
      ++codePoints_;
      continue;
    }
    // "\r\n" breaks the line at its "\n".
    const bool crBeforeLf =
        text_[byte_] == '\r' && byte_ + 1 < text_.size() && text_[byte_ + 1] == '\n';
    byte_ += length;
    ++codePoints_;
    if (crBeforeLf) continue;
    ++line_;
    lineStart_ = codePoints_;
  }
  return codePoints_;
}

int32_t CodePointCounter::Before(size_t pos) {
  pos = std::min(pos, text_.size());
  if (byte_ < pos) byte_ = WalkCharacters(text_, byte_, pos, codePoints_);
  return codePoints_;
}

TextPlace TextWalker::PlaceOf(size_t pos) {
  const int32_t before = CodePointsBefore(pos);
  return {line_, before - lineStart_ + 1};
}
