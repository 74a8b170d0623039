#include "TextWalker.h"

int Gb18030CharLength(std::string_view text, size_t pos) {
  if (static_cast<unsigned char>(text[pos]) < 0x80) return 1;
  const size_t left = text.size() - pos;
  if (left >= 4 && text[pos + 1] >= '0' && text[pos + 1] <= '9') return 4;
  return left >= 2 ? 2 : 1;
}

int32_t TextWalker::CodePointsBefore(size_t pos) {
  while (byte_ < pos && byte_ < text_.size()) {
    const char c = text_[byte_];
    byte_ += Gb18030CharLength(text_, byte_);
    ++codePoints_;
    // "\r\n" breaks the line at its "\n".
    const bool lineBreak =
        c == '\n' || (c == '\r' && (byte_ >= text_.size() || text_[byte_] != '\n'));
    if (!lineBreak) continue;
    ++line_;
    lineStart_ = codePoints_;
  }
  return codePoints_;
}

TextPlace TextWalker::PlaceOf(size_t pos) {
  const int32_t before = CodePointsBefore(pos);
  return {line_, before - lineStart_ + 1};
}
