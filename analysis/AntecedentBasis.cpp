#include "AntecedentBasis.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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
inline constexpr int kMinTermBytes = 4;
// Texts at least this long are searched through an index rather than byte by byte.
inline constexpr int kIndexedTextBytes = 16 * 1024;
// Ancestries larger than this are searched through the index of which claims hold which words.
inline constexpr size_t kScannedAncestors = 32;

bool IsTermStopChar(std::string_view text, int pos) {
  static const std::vector<bool> stops = [] {
    std::vector<bool> table(1 << 16, false);
    for (size_t i = 0; i + 1 < g_termStopChars.size(); i += 2) {
      table[static_cast<unsigned char>(g_termStopChars[i]) << 8 |
            static_cast<unsigned char>(g_termStopChars[i + 1])] = true;
    }
    return table;
  }();
  return stops[static_cast<unsigned char>(text[pos]) << 8 |
               static_cast<unsigned char>(text[pos + 1])];
}

bool EndsPlainRun(std::string_view text, int pos) {
  return !IsHanziAt(text, pos) || IsTermStopChar(text, pos) || HasAt(text, pos, gbk::kInclude) ||
         HasAt(text, pos, gbk::kContain);
}

bool IsSignCharacter(char c) {
  return IsAsciiDigit(c) || IsAsciiLetter(c) || c == '-' || c == '_' || c == '.';
}

// The first four bytes of a term or of a window of text, as one value.
uint32_t KeyAt(std::string_view text, int pos) {
  uint32_t key;
  std::memcpy(&key, text.data() + pos, sizeof key);
  return key;
}

// Calls `visit(pos)` for every character boundary of `text` that has four bytes after it.
template <typename Visit>
void ForEachWindow(std::string_view text, Visit visit) {
  for (int pos = 0; pos + kMinTermBytes <= Size(text); pos += CharLength(text[pos])) visit(pos);
}

// Where each four-byte window of one long text first occurs, and where it occurs next, so that
// the first occurrence of a term costs about one look-up instead of a walk over the text.
class TextIndex {
 public:
  explicit TextIndex(std::string_view text) : next_(text.size(), kNotFound) {
    std::unordered_map<uint32_t, int> last;
    ForEachWindow(text, [&](int pos) {
      const auto [it, added] = last.try_emplace(KeyAt(text, pos), pos);
      if (added) {
        first_.emplace(it->first, pos);
      } else {
        next_[it->second] = pos;
        it->second = pos;
      }
    });
  }

  // The first character-aligned occurrence of `term` (at least four bytes) in `text`, the text
  // the index was built from, or kNotFound.
  int FirstOccurrence(std::string_view text, std::string_view term) const {
    const auto it = first_.find(KeyAt(term, 0));
    for (int pos = it == first_.end() ? kNotFound : it->second; pos != kNotFound;
         pos = next_[pos]) {
      if (HasAt(text, pos, term)) return pos;
    }
    return kNotFound;
  }

 private:
  std::unordered_map<uint32_t, int> first_;
  std::vector<int> next_;
};

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
  if (i - pos < kMinTermBytes) return "";
  return std::string(text.substr(pos, kMinTermBytes));
}

struct AntecedentChecker::State {
  // Claims reached by the current ancestor walk carry its epoch.
  std::vector<uint32_t> reachedEpoch;
  uint32_t epoch = 0;
  // Indexes of long texts, dropped when brackets change the text.
  std::unordered_map<int, TextIndex> longTexts;
  // For every four-byte window, the claims whose text held it when the map was built, ascending.
  // Brackets never create an occurrence of a term, so the lists can only hold too much, and
  // every candidate is confirmed on its text as it stands.
  std::unordered_map<uint32_t, std::vector<int>> claimsWithWindow;
  bool windowsIndexed = false;

  int FirstOccurrence(int claimPos, std::string_view term) {
    const std::string& text = g_claims[claimPos].text;
    if (Size(text) < kIndexedTextBytes) return FindFrom(text, term);
    auto it = longTexts.find(claimPos);
    if (it == longTexts.end()) it = longTexts.emplace(claimPos, TextIndex(text)).first;
    return it->second.FirstOccurrence(text, term);
  }

  bool Holds(int claimPos, std::string_view term) {
    return FirstOccurrence(claimPos, term) != kNotFound;
  }

  void IndexWindows() {
    windowsIndexed = true;
    for (int pos = 0; pos < g_claims.Count(); ++pos) {
      ForEachWindow(g_claims[pos].text, [&](int window) {
        std::vector<int>& claims = claimsWithWindow[KeyAt(g_claims[pos].text, window)];
        if (claims.empty() || claims.back() != pos) claims.push_back(pos);
      });
    }
  }

  // The claims within four generations above `claimPos`, each once, nearest generations first.
  // A claim reached by several paths is searched once: only whether some ancestor text holds
  // the term matters, and the nearest generation at which a claim is reached decides whether it
  // lies within four.
  std::vector<int> Ancestors(int claimPos) {
    reachedEpoch.resize(g_claims.Count());
    if (++epoch == 0) {
      std::fill(reachedEpoch.begin(), reachedEpoch.end(), 0);
      epoch = 1;
    }
    // Once every claim a reference can reach is in, deeper generations add nothing.
    const size_t reachable = g_claims.DistinctNumbers();
    std::vector<int> ancestors;
    std::vector<int> generation = g_claims[claimPos].parentIndices;
    for (int depth = 1; depth <= kAntecedentGenerations && !generation.empty(); ++depth) {
      std::vector<int> next;
      for (int pos : generation) {
        if (reachedEpoch[pos] == epoch) continue;
        reachedEpoch[pos] = epoch;
        ancestors.push_back(pos);
        if (ancestors.size() == reachable) return ancestors;
        if (depth == kAntecedentGenerations) continue;
        const auto& parents = g_claims[pos].parentIndices;
        next.insert(next.end(), parents.begin(), parents.end());
      }
      generation.swap(next);
    }
    return ancestors;
  }

  // True when the text of some claim in `ancestors` (the current walk) holds `term`.
  bool AncestorsHold(const std::vector<int>& ancestors, std::string_view term) {
    if (ancestors.size() <= kScannedAncestors) {
      return std::any_of(ancestors.begin(), ancestors.end(),
                         [&](int pos) { return Holds(pos, term); });
    }
    if (!windowsIndexed) IndexWindows();
    const auto it = claimsWithWindow.find(KeyAt(term, 0));
    if (it == claimsWithWindow.end()) return false;
    return std::any_of(it->second.begin(), it->second.end(),
                       [&](int pos) { return reachedEpoch[pos] == epoch && Holds(pos, term); });
  }
};

AntecedentChecker::AntecedentChecker() : state_(std::make_unique<State>()) {}
AntecedentChecker::~AntecedentChecker() = default;

void AntecedentChecker::Check(int claimPos) {
  ClaimRecord& record = g_claims[claimPos];
  if (record.multiMulti) return;
  g_markSpans.clear();
  const int characterised = FindFrom(record.text, gbk::kCharacterisedBy);
  if (characterised == kNotFound) return;
  // The ancestors are walked at most once per claim, and each term asked of them at most once:
  // the texts do not change until the brackets go in.
  std::vector<int> ancestors;
  bool walked = false;
  std::unordered_map<std::string, bool> ancestorsHold;
  const int saidLength = Size(gbk::kSaid);
  for (int said = FindFrom(record.text, gbk::kSaid, characterised); said != kNotFound;
       said = FindFrom(record.text, gbk::kSaid, said + saidLength)) {
    const int termStart = said + saidLength;
    const std::string term = ExtractTerm(record.text, termStart);
    if (Size(term) < kMinTermBytes) continue;
    const int first = state_->FirstOccurrence(claimPos, term);
    if (first != kNotFound && first < termStart) continue;
    auto known = ancestorsHold.find(term);
    if (known == ancestorsHold.end()) {
      if (!walked) ancestors = state_->Ancestors(claimPos);
      walked = true;
      known = ancestorsHold.emplace(term, state_->AncestorsHold(ancestors, term)).first;
    }
    if (known->second) continue;
    const bool withSign = term.back() == ')';
    g_markSpans.push_back({said, saidLength + (withSign ? Size(term) : 0)});
  }
  if (g_markSpans.empty()) return;
  InsertBrackets(record.text);
  state_->longTexts.erase(claimPos);
}

bool HasAntecedent(std::string_view term, int pos, int claimPos) {
  if (Size(term) < kMinTermBytes || claimPos < 0 || claimPos >= g_claims.Count()) return true;
  AntecedentChecker::State state;
  const int first = state.FirstOccurrence(claimPos, term);
  if (first != kNotFound && first < pos) return true;
  return state.AncestorsHold(state.Ancestors(claimPos), term);
}

void CheckAntecedentBasis(int claimPos) { AntecedentChecker().Check(claimPos); }
