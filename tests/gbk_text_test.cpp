// The character-aligned text helpers, checked against a naive walker on random byte strings, and
// the character tests on their borders.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "GbkText.h"
#include "TestText.h"

namespace {

// ---- Reference: as slow and plain as can be --------------------------------------------------
//
// Every question starts again from byte 0 and walks the characters one by one: a byte below 0x80
// is one character, any other byte opens a two-byte character (a lead byte at the very end
// stands alone). A needle may begin only where the walk stops.

size_t CharBytes(char lead) { return static_cast<unsigned char>(lead) < 0x80 ? 1 : 2; }

std::vector<int> Boundaries(const std::string& text) {
  std::vector<int> at;
  for (size_t i = 0; i < text.size(); i += CharBytes(text[i])) at.push_back(static_cast<int>(i));
  return at;
}

bool MatchesAt(const std::string& text, const std::string& needle, size_t i) {
  return text.compare(i, needle.size(), needle) == 0;
}

int NaiveFind(const std::string& text, const std::string& needle, int from) {
  for (int i : Boundaries(text)) {
    if (i >= from && MatchesAt(text, needle, i)) return i;
  }
  return -1;
}

// Replaces every match met on one walk from byte 0, counting them.
std::string NaiveReplace(const std::string& text, const std::string& needle,
                         const std::string& replacement, int* count) {
  std::string out;
  *count = 0;
  for (size_t i = 0; i < text.size();) {
    if (MatchesAt(text, needle, i)) {
      out += replacement;
      ++*count;
      i += needle.size();
    } else {
      out += text.substr(i, CharBytes(text[i]));
      i += CharBytes(text[i]);
    }
  }
  return out;
}

// Characters whose bytes invite a misaligned match: trail bytes that are ASCII letters or lead
// bytes themselves, full-width punctuation, and a four-byte GB18030 sequence.
// clang-format off
const std::vector<std::string> kAlphabet = {
    "a", "b", "\r", "\n", "\xB0\xA1", "\xA1\xB0", "\xB0\xB0", "\xD1" "b", "\xA1\xA3",
    "\x81\x30\x81\x30", "\x81\x30"};
// clang-format on

std::string RandomChars(std::mt19937& rng, int maxChars) {
  std::string s;
  int n = std::uniform_int_distribution<int>(1, maxChars)(rng);
  for (int k = 0; k < n; ++k) s += kAlphabet[rng() % kAlphabet.size()];
  return s;
}

TEST(GbkTextReference, FindCountReplaceAgreeWithNaiveWalk) {
  std::mt19937 rng(20240601);
  for (int round = 0; round < 5000; ++round) {
    std::string text = RandomChars(rng, 24);
    if (rng() % 4 == 0) text += "\xB0";  // a lead byte with nothing after it
    std::string needle = RandomChars(rng, 3);
    std::vector<int> at = Boundaries(text);
    int from = at[rng() % at.size()];
    SCOPED_TRACE(testing::PrintToString(text) + " / " + testing::PrintToString(needle));

    EXPECT_EQ(FindFrom(text, needle, from), NaiveFind(text, needle, from)) << "from " << from;
    int count = 0;
    std::string replaced = NaiveReplace(text, needle, "#", &count);
    EXPECT_EQ(CountOccurrences(text, needle), count);
    EXPECT_EQ(ReplaceAll(text, needle, "#"), replaced);
  }
}

TEST(GbkText, EmptyNeedlesAndBytesAcrossCharacters) {
  EXPECT_EQ(CountOccurrences("abc", ""), 0);
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(FindFrom(Gbk("啊，"), Gbk("。")), -1);  // A1 A3 stands across 啊 and ，
  EXPECT_EQ(CountOccurrences(Gbk("；；；"), Gbk("；；")), 1);
  EXPECT_EQ(ReplaceAll(Gbk("翱翘濉"), Gbk("壳体"), "x"), Gbk("翱翘濉"));
}

struct HanziCase {
  std::string bytes;
  bool hanzi;
};

TEST(GbkText, IsHanziPairTestsTheLowerEndsOnly) {
  // clang-format off
  const HanziCase cases[] = {
      {Gbk("啊"), true}, {"\xB0\xA1", true}, {"\xFE\xFE", true}, {"\xAF\xFE", false},
      {"\xB0\xA0", false}, {Gbk("，"), false}, {Gbk("　"), false}, {Gbk("１"), false},
      {Gbk("裝"), false}, {"\xB0", false}, {"", false}, {Gbk("一种"), false},
      {"\xB0\xA1" "a", false},
  };
  // clang-format on
  for (const HanziCase& c : cases) {
    EXPECT_EQ(IsHanziPair(c.bytes), c.hanzi) << testing::PrintToString(c.bytes);
  }
}

}  // namespace
