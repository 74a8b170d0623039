// The fast walk along a text against a naive one that steps a character at a time.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "TextWalker.h"

namespace {

struct NaivePlace {
  int32_t codePoints = 0, line = 1, column = 1;
};

// The place of byte `pos`, walking from the start one character at a time; a character that
// straddles `pos` is walked over.
NaivePlace NaiveWalk(std::string_view text, size_t pos) {
  NaivePlace place;
  for (size_t i = 0; i < pos && i < text.size();) {
    const char c = text[i];
    i += static_cast<size_t>(Gb18030CharLength(text, i));
    ++place.codePoints;
    ++place.column;
    if (c == '\n' || (c == '\r' && (i >= text.size() || text[i] != '\n'))) {
      ++place.line;
      place.column = 1;
    }
  }
  return place;
}

TEST(TextWalker, AgreesWithANaiveWalk) {
  // Bytes drawn from the kinds the walk tells apart: letters, digits, line breaks, lead bytes.
  const std::string alphabet = "a1(\r\n\x81\xB0\xC8\xA1\xFE";
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    std::string text(random() % 80, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    TextWalker walker(text);
    for (size_t pos = 0; pos <= text.size() + 1; pos += 1 + random() % 9) {
      const NaivePlace naive = NaiveWalk(text, pos);
      const TextPlace place = walker.PlaceOf(pos);
      ASSERT_EQ(walker.CodePointsBefore(pos), naive.codePoints) << text << " @" << pos;
      ASSERT_EQ(place.line, naive.line) << text << " @" << pos;
      ASSERT_EQ(place.column, naive.column) << text << " @" << pos;
    }
  }
}

}  // namespace
