// The antecedent-basis step against a deliberately simple reference: every search walks the text
// from its first byte, and every path to an ancestor is followed, four generations deep, with no
// memory of what was already searched. The fast step must bracket exactly the same texts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "AntecedentBasis.h"
#include "ClaimRecord.h"
#include "GbkText.h"
#include "GbkTexts.h"

namespace {

int NaiveFind(std::string_view text, std::string_view needle) {
  for (int pos = 0; pos < Size(text); pos += CharLength(text[pos])) {
    if (text.substr(pos, needle.size()) == needle) return pos;
  }
  return -1;
}

bool SearchGenerations(int claim, const std::string& term, int depth) {
  if (depth == kAntecedentGenerations) return false;
  for (int parent : g_claims[claim].parentIndices) {
    if (NaiveFind(g_claims[parent].text, term) != -1) return true;
    if (SearchGenerations(parent, term, depth + 1)) return true;
  }
  return false;
}

bool ReferenceHasAntecedent(const std::string& term, int pos, int claim) {
  if (term.size() < 4) return true;
  const int first = NaiveFind(g_claims[claim].text, term);
  if (first != -1 && first < pos) return true;
  return SearchGenerations(claim, term, 0);
}

void ReferenceCheck(int claim) {
  std::string& text = g_claims[claim].text;
  const int characterised = NaiveFind(text, gbk::kCharacterisedBy);
  if (characterised == -1) return;
  std::vector<MarkSpan> spans;
  for (int pos = characterised; pos < Size(text); pos += CharLength(text[pos])) {
    if (text.compare(pos, 4, gbk::kSaid) != 0) continue;
    const std::string term = ExtractTerm(text, pos + 4);
    if (ReferenceHasAntecedent(term, pos + 4, claim)) continue;
    spans.push_back({pos, 4 + (!term.empty() && term.back() == ')' ? Size(term) : 0)});
  }
  for (int j = 0; j < static_cast<int>(spans.size()); ++j) {
    text.insert(spans[j].start + 4 * j, gbk::kMarkOpen);
    text.insert(spans[j].start + 4 * j + 2 + spans[j].length, gbk::kMarkClose);
  }
}

const char* const kWords[] = {
    "\xB5\xAF\xBB\xC9",  // 弹簧
    "\xB5\xD7\xD7\xF9",  // 底座
    "\xD6\xA7\xBC\xDC",  // 支架
    "\xBF\xC7\xCC\xE5",  // 壳体
    "\xC1\xAC\xBD\xD3",  // 连接
    "\xBA\xE1\xC1\xBA",  // 横梁
    "\xB5\xDA\xD2\xBB",  // 第一
};
const char* const kBreaks[] = {
    "\xA3\xAC",          // ，
    "\xB5\xC4",          // 的
    "\xD4\xDA",          // 在
    "\xB0\xFC\xC0\xA8",  // 包括
    "(3)",
    "(12)",
    "A",
};

// A claim text of about `pieces` words, with "所述" before some of them.
std::string RandomClaimText(std::mt19937& rng, int number, int pieces) {
  auto pick = [&](auto& list) { return list[rng() % std::size(list)]; };
  std::string text =
      std::to_string(number) + "." + kWords[rng() % 3] + std::string(gbk::kCharacterisedBy);
  for (int i = 0; i < pieces; ++i) {
    if (rng() % 3 == 0) text += gbk::kSaid;
    text += pick(kWords);
    if (rng() % 2 == 0) text += pick(kBreaks);
  }
  return text;
}

struct WebShape {
  int claims;
  int maxParents;
  int pieces;
  int longClaimEvery;  // 0: no long claims
};

class AntecedentReferenceTest : public testing::TestWithParam<WebShape> {};

TEST_P(AntecedentReferenceTest, BracketsTheSameTexts) {
  const WebShape shape = GetParam();
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    std::mt19937 rng(seed);
    g_claims.Empty();
    for (int n = 1; n <= shape.claims; ++n) {
      ClaimRecord record;
      record.number = n;
      const bool isLong = shape.longClaimEvery != 0 && n % shape.longClaimEvery == 0;
      record.text = RandomClaimText(rng, n, isLong ? 2000 : shape.pieces);
      g_claims.Append(std::move(record));
    }
    for (ClaimRecord& record : g_claims) {
      const int parents = static_cast<int>(rng() % (shape.maxParents + 1));
      for (int i = 0; i < parents; ++i) record.parentIndices.push_back(rng() % shape.claims);
    }
    std::vector<std::string> expected;
    const ClaimList original = g_claims;
    for (int pos = 0; pos < g_claims.Count(); ++pos) {
      ReferenceCheck(pos);
      expected.push_back(g_claims[pos].text);
    }
    g_claims = original;
    AntecedentChecker checker;
    for (int pos = 0; pos < g_claims.Count(); ++pos) {
      checker.Check(pos);
      ASSERT_EQ(g_claims[pos].text, expected[pos]) << "seed " << seed << ", claim " << pos;
    }
  }
  g_claims.Empty();
}

// Bytes that spell "弹簧(3)" from the second byte of a character on are no basis for it, also once
// the claim is long enough for its searches to go through an index.
TEST(AntecedentIndexTest, OccurrenceStraddlingCharactersIsNoBasis) {
  const std::string straddling = "\xB0\xB5\xAF\xBB\xC9(3)";  // B0B5 AFBB C9"(" "3" ")"
  const std::string spring = "\xB5\xAF\xBB\xC9(3)";          // 弹簧(3)
  const std::string base = "\xB5\xD7\xD7\xF9";               // 底座
  for (int distinctTerms : {2, 200}) {
    std::string text = "1." + base + std::string(gbk::kCharacterisedBy) + straddling;
    for (int k = 1; k <= distinctTerms; ++k) {
      text += std::string(gbk::kSaid) + base + "(" + std::to_string(k) + ")";
    }
    text += std::string(gbk::kSaid) + spring;
    g_claims.Empty();
    ClaimRecord record;
    record.number = 1;
    record.text = text;
    g_claims.Append(record);
    ReferenceCheck(0);
    const std::string expected = g_claims[0].text;
    g_claims[0].text = text;
    CheckAntecedentBasis(0);
    EXPECT_EQ(g_claims[0].text, expected) << distinctTerms << " terms";
    EXPECT_EQ(CountOccurrences(expected, gbk::kMarkOpen), distinctTerms + 1);
  }
  g_claims.Empty();
}

INSTANTIATE_TEST_SUITE_P(Webs, AntecedentReferenceTest,
                         testing::Values(WebShape{8, 2, 12, 0},     // small chains and cycles
                                         WebShape{40, 3, 10, 0},    // deep generations
                                         WebShape{60, 12, 4, 0},    // dense: many ancestors
                                         WebShape{12, 2, 10, 4}));  // long texts

}  // namespace
