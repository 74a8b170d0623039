#include "checks/AntecedentBasis.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

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

uint64_t HashBytes(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash;
}

// Where the windows of one text first occur, so that the first occurrence of a term costs about
// one look-up instead of a walk over the text. A plain term is four bytes; a longer term ends in
// ")", so only windows ending in a ")" need to be known for it, and those are gathered once for
// each length asked for.
class TextIndex {
 public:
  explicit TextIndex(std::string_view text) : text_(text), aligned_(text.size() + 1, false) {
    for (int pos = 0; pos < Size(text); pos += CharLength(text[pos])) {
      aligned_[pos] = true;
      if (text[pos] == ')') closers_.push_back(pos);
      if (pos + kMinTermBytes <= Size(text)) firstWindow_.try_emplace(KeyAt(text, pos), pos);
    }
  }

  // The first character-aligned occurrence of `term` (at least four bytes) in the indexed text,
  // or kNotFound.
  int FirstOccurrence(std::string_view term) {
    if (Size(term) == kMinTermBytes) {
      const auto it = firstWindow_.find(KeyAt(term, 0));
      return it == firstWindow_.end() ? kNotFound : it->second;
    }
    if (term.back() != ')') return FindFrom(text_, term);
    const auto& windows = WindowsEndingInCloser(Size(term));
    const auto it = windows.find(HashBytes(term));
    if (it == windows.end()) return kNotFound;
    // Two windows with one hash: settle it the slow way.
    return HasAt(text_, it->second, term) ? it->second : FindFrom(text_, term);
  }

 private:
  const std::unordered_map<uint64_t, int>& WindowsEndingInCloser(int length) {
    const auto [it, added] = closerWindows_.try_emplace(length);
    if (!added) return it->second;
    for (int closer : closers_) {
      const int start = closer + 1 - length;
      if (start < 0 || !aligned_[start]) continue;
      it->second.try_emplace(HashBytes(text_.substr(start, length)), start);
    }
    return it->second;
  }

  std::string_view text_;
  std::vector<bool> aligned_;
  std::vector<int> closers_;
  std::unordered_map<uint32_t, int> firstWindow_;
  std::unordered_map<int, std::unordered_map<uint64_t, int>> closerWindows_;
};

// Finds terms in one claim's text: byte by byte while that is cheap, through an index once the
// searches have cost a few walks over the text.
class TermFinder {
 public:
  int FirstOccurrence(std::string_view text, std::string_view term) {
    if (index_) return index_->FirstOccurrence(term);
    if (scanned_ <= kScansBeforeIndex * static_cast<int64_t>(text.size()) + kFreeScanBytes) {
      const int pos = FindFrom(text, term);
      scanned_ += pos == kNotFound ? Size(text) : pos + Size(term);
      return pos;
    }
    index_ = std::make_unique<TextIndex>(text);
    return index_->FirstOccurrence(term);
  }

 private:
  static constexpr int64_t kScansBeforeIndex = 4;
  static constexpr int64_t kFreeScanBytes = 4096;

  int64_t scanned_ = 0;
  std::unique_ptr<TextIndex> index_;
};

// The second character of "所述": a term that begins with it may have stood across a bracket.
constexpr std::string_view kSaidTail = gbk::kSaid.substr(2);

void AddTextFinding(ClaimRecord& record, int start, int length, const std::string& term) {
  Finding finding;
  finding.code = FindingCode::kAntecedent;
  finding.textStart = start;
  finding.textLength = length;
  finding.term = term;
  record.findings.push_back(std::move(finding));
}

// True when `at` is the "述" of a "所述" that the record's check bracketed alone, as "【所述】".
bool IsBracketedSaidTail(const ClaimRecord& record, int at) {
  return std::any_of(record.findings.begin(), record.findings.end(), [&](const Finding& f) {
    return f.code == FindingCode::kAntecedent && f.textLength == Size(gbk::kSaid) &&
           f.textStart + Size(kSaidTail) == at;
  });
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
  // Term search in each claim's text by position. A table rather than a map: neighbouring
  // claims are asked about together, and stay near in memory.
  std::vector<TermFinder> finders;
  // For every four-byte window, the claims whose text holds it, ascending. A list may hold a
  // claim whose only occurrence a bracket breaks (see Holds), so every candidate is confirmed.
  std::unordered_map<uint32_t, std::vector<int>> claimsWithWindow;
  bool windowsIndexed = false;
  // The claims before this position have had their check: their brackets stand in their texts.
  int bracketedBefore = 0;

  int FirstOccurrence(int claimPos, std::string_view term) {
    if (finders.size() < static_cast<size_t>(g_claims.Count())) finders.resize(g_claims.Count());
    return finders[claimPos].FirstOccurrence(g_claims[claimPos].text, term);
  }

  // True when the text of the claim at `claimPos` holds `term` with the brackets its check put
  // in, which the texts themselves never get: the report writes them. A bracket breaks only an
  // occurrence that begins at the "述" of a "【所述】" ("【所述】手柄" holds no "述手"), since no
  // term holds "所", a stop character, and a term with a reference sign ends at its ")".
  bool Holds(int claimPos, std::string_view term) {
    const int first = FirstOccurrence(claimPos, term);
    if (first == kNotFound) return false;
    if (claimPos >= bracketedBefore || !HasAt(term, 0, kSaidTail)) return true;
    const ClaimRecord& record = g_claims[claimPos];
    for (int at = first; at != kNotFound; at = FindFrom(record.text, term, at + Size(kSaidTail))) {
      if (!IsBracketedSaidTail(record, at)) return true;
    }
    return false;
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
  state_->bracketedBefore = claimPos;
  if (record.multiMulti) return;
  const int characterised = FindFrom(record.text, gbk::kCharacterisedBy);
  if (characterised == kNotFound) return;
  // The ancestors are walked at most once per claim, and each term asked of them at most once.
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
    AddTextFinding(record, said, saidLength + (withSign ? Size(term) : 0), term);
  }
}

bool HasAntecedent(std::string_view term, int pos, int claimPos) {
  if (Size(term) < kMinTermBytes || claimPos < 0 || claimPos >= g_claims.Count()) return true;
  AntecedentChecker::State state;
  state.bracketedBefore = claimPos;
  const int first = state.FirstOccurrence(claimPos, term);
  if (first != kNotFound && first < pos) return true;
  return state.AncestorsHold(state.Ancestors(claimPos), term);
}
