#include "AntecedentBasis.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "ClaimRecord.h"
#include "GbkText.h"
#include "GbkTexts.h"

const std::string g_termStopChars(gbk::kTermStopChars);

int CountHanzi(std::string_view text) {
  int count = 0;
  for (int i = 0; i < Size(text); i += CharLength(text[i])) {
    if (IsHanziAt(text, i)) ++count;
  }
  return count;
}

namespace {

inline constexpr int kMaxTermHanzi = 9;

bool EndsPlainRun(std::string_view text, int pos) {
  return !IsHanziAt(text, pos) || Contains(g_termStopChars, text.substr(pos, 2)) ||
         HasAt(text, pos, gbk::kInclude) || HasAt(text, pos, gbk::kContain);
}

bool IsSignCharacter(char c) {
  return IsAsciiDigit(c) || IsAsciiLetter(c) || c == '-' || c == '_' || c == '.';
}

// Marks of the claims already reached by the current walk: a claim is reached when its stamp
// equals the walk's epoch. Shared by all walks so that no walk costs the length of g_claims.
class ReachedClaims {
 public:
  void StartWalk() {
    if (stamps_.size() < static_cast<size_t>(g_claims.Count())) stamps_.resize(g_claims.Count());
    if (++epoch_ == 0) {
      std::fill(stamps_.begin(), stamps_.end(), 0);
      epoch_ = 1;
    }
  }
  // True the first time `pos` is reached in this walk.
  bool Reach(int pos) {
    if (stamps_[pos] == epoch_) return false;
    stamps_[pos] = epoch_;
    return true;
  }

 private:
  std::vector<uint32_t> stamps_;
  uint32_t epoch_ = 0;
};

// The ancestors of a claim within four generations, each once. A claim reached by several paths
// is searched once: only whether some ancestor text holds the term matters, and the nearest
// generation at which a claim is reached decides whether it lies within four.
class AncestorWalk {
 public:
  explicit AncestorWalk(int claimPos) : claimPos_(claimPos) {}

  // True when some ancestor text holds `term`. The texts do not change while one claim is
  // checked, so each term is looked up once.
  bool Holds(const std::string& term) {
    const auto known = answers_.find(term);
    if (known != answers_.end()) return known->second;
    if (!walked_) Walk();
    bool found = false;
    for (int pos : ancestors_) {
      if (Contains(g_claims[pos].text, term)) {
        found = true;
        break;
      }
    }
    answers_.emplace(term, found);
    return found;
  }

 private:
  void Walk() {
    static ReachedClaims reached;
    walked_ = true;
    reached.StartWalk();
    const int reachable = g_claims.DistinctNumbers();
    std::vector<int> generation = g_claims[claimPos_].parentIndices;
    for (int depth = 1; depth <= kAntecedentGenerations && !generation.empty(); ++depth) {
      std::vector<int> next;
      for (int pos : generation) {
        if (!reached.Reach(pos)) continue;
        ancestors_.push_back(pos);
        // Once every claim a reference can reach is in, deeper generations add nothing.
        if (static_cast<int>(ancestors_.size()) == reachable) return;
        if (depth < kAntecedentGenerations) {
          const auto& parents = g_claims[pos].parentIndices;
          next.insert(next.end(), parents.begin(), parents.end());
        }
      }
      generation.swap(next);
    }
  }

  int claimPos_;
  bool walked_ = false;
  std::vector<int> ancestors_;
  std::unordered_map<std::string, bool> answers_;
};

bool HasBasis(const std::string& term, int pos, int claimPos, AncestorWalk& walk) {
  if (Size(term) < 4) return true;
  const int first = FindFrom(g_claims[claimPos].text, term);
  if (first != kNotFound && first < pos) return true;
  return walk.Holds(term);
}

void InsertBrackets(std::string& text) {
  std::string marked;
  marked.reserve(text.size() + 4 * g_markSpans.size());
  int copied = 0;
  for (const MarkSpan& span : g_markSpans) {
    marked.append(text, copied, span.start - copied).append(gbk::kMarkOpen);
    marked.append(text, span.start, span.length).append(gbk::kMarkClose);
    copied = span.start + span.length;
  }
  marked.append(text, copied);
  text.swap(marked);
}

}  // namespace

std::string ExtractTerm(std::string_view text, int pos) {
  int i = pos;
  bool opened = false;
  bool closed = false;
  while (i < Size(text)) {
    const char c = text[i];
    if (CharLength(c) == 2) {
      if (EndsPlainRun(text, i)) break;
      i += 2;
    } else if (c == '(') {
      opened = true;
      ++i;
    } else if (!opened) {
      break;
    } else if (IsSignCharacter(c)) {
      ++i;
    } else {
      if (c == ')') {
        closed = true;
        ++i;
      }
      break;
    }
  }
  if (i == pos) return "";
  if (opened) {
    if (!closed) return "";
    const std::string_view candidate = text.substr(pos, i - pos);
    const int hanzi = CountHanzi(candidate);
    return hanzi >= 1 && hanzi <= kMaxTermHanzi ? std::string(candidate) : "";
  }
  if (i - pos < 4) return "";
  return std::string(text.substr(pos, 4));
}

bool HasAntecedent(std::string_view term, int pos, int claimPos) {
  if (Size(term) < 4 || claimPos < 0 || claimPos >= g_claims.Count()) return true;
  AncestorWalk walk(claimPos);
  return HasBasis(std::string(term), pos, claimPos, walk);
}

void CheckAntecedentBasis(int claimPos) {
  ClaimRecord& record = g_claims[claimPos];
  if (record.multiMulti) return;
  g_markSpans.clear();
  const int characterised = FindFrom(record.text, gbk::kCharacterisedBy);
  if (characterised == kNotFound) return;
  AncestorWalk walk(claimPos);
  const int saidLength = Size(gbk::kSaid);
  for (int said = FindFrom(record.text, gbk::kSaid, characterised); said != kNotFound;
       said = FindFrom(record.text, gbk::kSaid, said + saidLength)) {
    const std::string term = ExtractTerm(record.text, said + saidLength);
    if (HasBasis(term, said + saidLength, claimPos, walk)) continue;
    const bool withSign = !term.empty() && term.back() == ')';
    g_markSpans.push_back({said, saidLength + (withSign ? Size(term) : 0)});
  }
  if (!g_markSpans.empty()) InsertBrackets(record.text);
}
