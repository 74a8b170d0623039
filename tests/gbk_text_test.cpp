// The character-aligned text helpers against a plain walk from byte 0 on random byte strings, and
// the character test on its borders.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/GbkText.h"
#include "support/TestText.h"

namespace {

// Every question walks the characters from byte 0: a byte below 0x80 is one character, any other
// opens a two-byte one. A needle may begin only where the walk stops.
size_t Step(char lead) { return static_cast<unsigned char>(lead) < 0x80 ? 1 : 2; }

// Characters whose bytes invite a misaligned match: trail bytes that are ASCII letters or lead
// bytes themselves, full-width punctuation, a four-byte GB18030 sequence and half of one.
const std::vector<std::string> kAlphabet = {
    "a",        "b",        "\r",       "\n",       "\xB0\xA1",
    "\xA1\xB0", "\xB0\xB0", "\xD1\x62", "\xA1\xA3", "\x81\x30\x81\x30",
    "\x81\x30"};

std::string RandomChars(std::mt19937& rng, int maxChars) {
  std::string s;
  for (int n = rng() % maxChars + 1; n > 0; --n) s += kAlphabet[rng() % kAlphabet.size()];
  return s;
}

TEST(GbkText, FindCountReplaceAgreeWithNaiveWalk) {
  std::mt19937 rng(20240601);
  for (int round = 0; round < 5000; ++round) {
    std::string text = RandomChars(rng, 40) + (rng() % 4 == 0 ? "\xB0" : "");  // lone lead byte
    const std::string needle = RandomChars(rng, 3);
    SCOPED_TRACE(testing::PrintToString(text) + " / " + testing::PrintToString(needle));
    std::string replaced;
    int count = 0;
    for (size_t i = 0; i < text.size();) {
      const bool hit = text.compare(i, needle.size(), needle) == 0;
      const size_t length = hit ? needle.size() : Step(text[i]);
      replaced += hit ? "#" : text.substr(i, length);
      count += hit;
      i += length;
    }
    EXPECT_EQ(CountOccurrences(text, needle), count);
    EXPECT_EQ(ReplaceAll(text, needle, "#"), replaced);
    size_t from = 0;
    for (int k = rng() % 12; k > 0 && from < text.size(); --k) from += Step(text[from]);
    int found = -1;
    for (size_t i = from; i < text.size() && found == -1; i += Step(text[i])) {
      if (text.compare(i, needle.size(), needle) == 0) found = static_cast<int>(i);
    }
    EXPECT_EQ(FindFrom(text, needle, static_cast<int>(from)), found) << "from " << from;
  }
  EXPECT_EQ(CountOccurrences("abc", ""), 0);
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(GbkText, IsHanziPairTestsTheLowerEndsOnly) {
  const std::pair<std::string, bool> cases[] = {
      {"\xB0\xA1", true}, {"\xFE\xFE", true}, {"\xAF\xFE", false}, {"\xB0\xA0", false},
      {Gbk("，"), false}, {Gbk("裝"), false}, {"\xB0", false},     {Gbk("一种"), false}};
  for (const auto& [bytes, hanzi] : cases) {
    EXPECT_EQ(IsHanziPair(bytes), hanzi) << testing::PrintToString(bytes);
  }
}

}  // namespace
