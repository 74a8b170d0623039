// The antecedent-basis step against a deliberately simple reference: every search walks the text
// from its first byte, and every path to an ancestor is followed, four generations deep, with no
// memory of what was already searched, in texts of its own into which it puts the brackets as it
// goes, as the classic step did into the claims' texts. The fast step must bracket exactly the
// same texts, on webs small enough to be scanned and on ones that drive it to its indexes.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "checks/AntecedentBasis.h"
#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"
#include "support/TestText.h"

namespace {

int NaiveFind(std::string_view text, std::string_view needle) {
  for (int pos = 0; pos < Size(text); pos += CharLength(text[pos])) {
    if (text.substr(pos, needle.size()) == needle) return pos;
  }
  return -1;
}

// The claims' texts with the brackets the reference has put in so far.
std::vector<std::string> g_bracketed;

bool SearchGenerations(int claim, const std::string& term, int depth) {
  if (depth == kAntecedentGenerations) return false;
  for (int parent : g_claims[claim].parentIndices) {
    if (NaiveFind(g_bracketed[parent], term) != -1) return true;
    if (SearchGenerations(parent, term, depth + 1)) return true;
  }
  return false;
}

bool ReferenceHasBasis(int claim, const std::string& term, int termStart) {
  const int first = NaiveFind(g_claims[claim].text, term);
  return (first != -1 && first < termStart) || SearchGenerations(claim, term, 0);
}

// The claim's text with the brackets the step should find.
std::string ReferenceBrackets(int claim) {
  const std::string text(g_claims[claim].text);
  const int characterised = NaiveFind(text, gbk::kCharacterisedBy);
  if (characterised == -1) return text;
  std::string marked = text.substr(0, characterised);
  for (int pos = characterised; pos < Size(text);) {
    const bool said = text.compare(pos, 4, gbk::kSaid) == 0;
    const std::string term = said ? ExtractTerm(text, pos + 4) : "";
    if (term.size() < 4 || ReferenceHasBasis(claim, term, pos + 4)) {
      marked += text.substr(pos, CharLength(text[pos]));
      pos += CharLength(text[pos]);
      continue;
    }
    const int length = 4 + (term.back() == ')' ? Size(term) : 0);
    marked += std::string(gbk::kMarkOpen) + text.substr(pos, length) + std::string(gbk::kMarkClose);
    pos += length;
  }
  return marked;
}

// The record's text with a bracket around each of its antecedent findings.
std::string BracketedByFindings(const ClaimRecord& record) {
  std::string text(record.text);
  for (auto f = record.findings.rbegin(); f != record.findings.rend(); ++f) {
    text.insert(static_cast<size_t>(f->textStart + f->textLength), gbk::kMarkClose);
    text.insert(static_cast<size_t>(f->textStart), gbk::kMarkOpen);
  }
  return text;
}

std::vector<std::string> GbkWords(const std::string& utf8) {
  std::istringstream in(utf8);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(Gbk(word));
  return words;
}

// A claim text of `pieces` words, some after "所述", some followed by a break or a reference sign,
// and one in eight spelt with its sign from the second byte of a character on, which is no basis.
// Half the words of a long claim are drawn from some 900 pairs of characters, so that its terms
// are first met all along it, also once its searches go through an index.
std::string RandomClaimText(std::mt19937& rng, int number, int pieces, bool isLong) {
  static const std::vector<std::string> words = GbkWords("弹簧 底座 支架 壳体 连接 横梁 第一"),
                                        breaks = GbkWords("， 的 在 包括 A");
  static const std::string chars =
      Gbk("甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥金木水火土东西南北");
  auto pick = [&rng](const std::vector<std::string>& list) { return list[rng() % list.size()]; };
  auto pair = [&] { return chars.substr(rng() % 31 * 2, 2) + chars.substr(rng() % 31 * 2, 2); };
  auto word = [&] { return isLong && rng() % 2 == 0 ? pair() : pick(words); };
  std::string text =
      std::to_string(number) + "." + words[rng() % 3] + std::string(gbk::kCharacterisedBy);
  for (int i = 0; i < pieces; ++i) {
    const std::string sign = "(" + std::to_string(rng() % 4) + ")";
    if (rng() % 8 == 0) {
      text += "\xB0" + word() + sign;
      continue;
    }
    if (rng() % 3 == 0) text += gbk::kSaid;
    text += word();
    if (rng() % 2 == 0) text += rng() % 3 == 0 ? sign : pick(breaks);
  }
  return text;
}

struct WebShape {
  int claims, maxParents, pieces;
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
      record.text = g_claims.Keep(RandomClaimText(rng, n, isLong ? 1000 : shape.pieces, isLong));
      g_claims.Append(std::move(record));
    }
    for (ClaimRecord& record : g_claims) {
      for (int i = rng() % (shape.maxParents + 1); i > 0; --i) {
        record.parentIndices.push_back(rng() % shape.claims);
      }
    }
    g_bracketed.clear();
    for (const ClaimRecord& record : g_claims) g_bracketed.emplace_back(record.text);
    AntecedentChecker checker;
    for (int pos = 0; pos < g_claims.Count(); ++pos) {
      g_bracketed[pos] = ReferenceBrackets(pos);
      checker.Check(pos);
      ASSERT_EQ(BracketedByFindings(g_claims[pos]), g_bracketed[pos])
          << "seed " << seed << ", claim " << pos;
    }
  }
  g_claims.Empty();
}

INSTANTIATE_TEST_SUITE_P(Webs, AntecedentReferenceTest,
                         testing::Values(WebShape{8, 2, 12, 0},     // small chains and cycles
                                         WebShape{40, 3, 10, 0},    // deep generations
                                         WebShape{60, 12, 4, 0},    // dense: many ancestors
                                         WebShape{12, 2, 10, 4}));  // long texts

}  // namespace
