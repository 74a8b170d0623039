#include "checks/further/AntecedentBasisReview.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <numeric>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "checks/further/ReferenceUnnumbered.h"
#include "checks/further/ReferenceWording.h"
#include "checks/further/WordFinding.h"
#include "claims/ClaimRecord.h"
#include "claims/ReviewedReferences.h"
#include "claims/SubjectRecognition.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

constexpr int kMinNameChars = 2;
// Shorter names tried from a term's start, longest first, when the term itself has no basis.
constexpr int kShorterNamesTried = 12;

const CharSet& BreakChars() {
  static const CharSet set(gbk::kTermBreakChars);
  return set;
}
const CharSet& LocativeChars() {
  static const CharSet set(gbk::kLocativeChars);
  return set;
}
const CharSet& OrdinalChars() {
  static const CharSet set(gbk::kOrdinalChars);
  return set;
}
const CharSet& MeasureChars() {
  static const CharSet set(gbk::kMeasureChars);
  return set;
}
const CharSet& PartSuffixChars() {
  static const CharSet set(gbk::kPartSuffixChars);
  return set;
}
// Characters after which a name stands as a word of its own: function words, counts, words of
// place, and the last characters of the verbs that introduce a feature ("包括", "设有", "具有").
const CharSet& LeftBoundaryChars() {
  static const CharSet set(std::string(gbk::kTermBreakChars)
                               .append(gbk::kOrdinalChars)
                               .append(gbk::kMeasureChars)
                               .append(gbk::kLocativeChars)
                               .append(gbk::kLeftBoundaryChars));
  return set;
}

// The first four bytes of `bytes` (fewer at its end, the rest 0) as one number.
uint32_t KeyOf(std::string_view bytes) {
  uint32_t key = 0;
  std::memcpy(&key, bytes.data(), std::min<size_t>(sizeof key, bytes.size()));
  return key;
}

constexpr int kVerbBytes = 4;
template <size_t N>
constexpr bool AllTwoCharacters(const std::string_view (&verbs)[N]) {
  return std::all_of(std::begin(verbs), std::end(verbs),
                     [](std::string_view verb) { return verb.size() == size_t{kVerbBytes}; });
}
static_assert(AllTwoCharacters(gbk::kTermBreakVerbs) && AllTwoCharacters(gbk::kClauseVerbs),
              "every verb that ends a term is two characters long");

// A list of verbs of two characters, asked whether one stands at a place: its first character
// looked up, then its two characters among the verbs' in order.
class VerbTable {
 public:
  template <size_t N>
  explicit VerbTable(const std::string_view (&verbs)[N]) {
    std::string heads;
    for (std::string_view verb : verbs) {
      heads.append(verb.substr(0, 2));
      keys_.push_back(KeyOf(verb));
    }
    heads_ = CharSet(heads);
    std::sort(keys_.begin(), keys_.end());
  }

  // The length of the verb at `pos`, or 0.
  int At(std::string_view text, int pos) const {
    if (pos + kVerbBytes > Size(text) || !heads_.HasAt(text, pos)) return 0;
    const uint32_t key = KeyOf(text.substr(pos, kVerbBytes));
    return std::binary_search(keys_.begin(), keys_.end(), key) ? kVerbBytes : 0;
  }

 private:
  CharSet heads_{""};
  std::vector<uint32_t> keys_;
};

// The length of the verb at `pos` that ends a term, or 0.
int VerbAt(std::string_view text, int pos) {
  static const VerbTable kVerbs(gbk::kTermBreakVerbs);
  return kVerbs.At(text, pos);
}

// True when a verb of what a feature does stands at `pos` right before "的", closing a clause
// that qualifies the noun after it ("所述MAF传感器测量的流量").
bool ClauseVerbAt(std::string_view text, int pos) {
  static const VerbTable kVerbs(gbk::kClauseVerbs);
  const int verb = kVerbs.At(text, pos);
  return verb > 0 && HasAt(text, pos + verb, gbk::kOf);
}

bool IsNameByte(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }

// True when `name` is an abbreviation in Latin letters, two or more ("CDR", "GPU").
bool IsAbbreviation(std::string_view name) {
  return Size(name) >= 2 && std::all_of(name.begin(), name.end(), IsAsciiLetter);
}

// True when the character at `pos` (a boundary) cannot go on a name: the end of the text, a
// one-byte character other than a letter or digit, punctuation, or a function word.
bool EndsNameAt(std::string_view text, int pos) {
  if (pos >= Size(text)) return true;
  if (CharLength(text[pos]) == 1) return !IsNameByte(text[pos]);
  return !IsHanziAt(text, pos) || BreakChars().HasAt(text, pos) ||
         LocativeChars().HasAt(text, pos);
}

// True when a verb of `verbLength` bytes at `pos` ends the name before it, rather than
// opening, with one part's word after it, the end of that name ("连接件", "固定座").
bool VerbEndsName(std::string_view text, int pos, int verbLength) {
  const int next = pos + verbLength;
  if (!PartSuffixChars().HasAt(text, next)) return true;
  return !EndsNameAt(text, next + 2) && VerbAt(text, next + 2) == 0;
}

bool BreaksNameAt(std::string_view text, int pos) {
  if (BreakChars().HasAt(text, pos) || LocativeChars().HasAt(text, pos)) return true;
  const int verb = VerbAt(text, pos);
  return verb > 0 && VerbEndsName(text, pos, verb);
}

// True when the `length` bytes at `pos` are only an ordinal or a count ("第一", "两个", "3个"):
// numbers, then perhaps a measure word.
bool IsOnlyCount(std::string_view text, int pos, int length) {
  for (int i = pos; i < pos + length; i += CharLength(text[i])) {
    const bool number = CharLength(text[i]) == 1 ? IsAsciiDigit(text[i])
                                                 : OrdinalChars().HasAt(text, i);
    if (number) continue;
    // One measure word, the last character: "第二条件" is a name, not a count.
    const bool last = i + CharLength(text[i]) >= pos + length;
    if (i == pos || !last || !MeasureChars().HasAt(text, i)) return false;
  }
  return true;
}

// True when the function word at `pos` is the second character of a word with the one before
// it: "应" in "反应", "响应", "供应", "对应", "相应", "适应", "效应", "感应".
bool EndsWordWithPrevious(std::string_view text, int pos) {
  static const CharSet kBeforeShould(gbk::kBeforeShouldChars);
  return HasAt(text, pos, gbk::kShould) && kBeforeShould.HasAt(text, pos - 2);
}

// True when a word of place at `pos`, behind a count, makes with it the name of a place: a side
// ("一侧", "两旁", "四周"), or a word of place that opens a place's name ("两内侧", "两上端").
// Any other word of place there follows the name the count ends ("步骤一中", "方案二后").
bool PlaceWithCountAt(std::string_view text, int pos) {
  static const CharSet kSides(gbk::kSideChars);
  if (kSides.HasAt(text, pos)) return true;
  return LocativeChars().HasAt(text, pos) &&
         (PartSuffixChars().HasAt(text, pos + 2) || LocativeChars().HasAt(text, pos + 2));
}

// True when, behind a term's first character, a new phrase opens at `pos`: a coverb or adverb
// ("滑块适于", "翅片沿", "熔体先") or a count before a place, a measure or a part ("基座一侧",
// "壳体两端"); "数" there ends a word ("参数对应" is no "数对").
bool PhraseOpensAt(std::string_view text, int pos) {
  static const CharSet kCoverbs(gbk::kTermCoverbChars);
  if (kCoverbs.HasAt(text, pos)) return true;
  if (!OrdinalChars().HasAt(text, pos) || HasAt(text, pos, gbk::kNumberNoun)) return false;
  const int next = pos + 2;
  return PlaceWithCountAt(text, next) || MeasureChars().HasAt(text, next) ||
         PartSuffixChars().HasAt(text, next);
}

// True when a word of place at `pos` opens a name ("所述上盖", "所述内筒", "所述侧板", "所述下一个
//参数"); "之" opens none ("所述之装置" is "所述的装置").
bool OpensNameAt(std::string_view text, int pos) {
  return LocativeChars().HasAt(text, pos) && !HasAt(text, pos, gbk::kZhi);
}

// The length of a reference sign "(12)", "(A-1)" at `pos`, or 0.
int SignLength(std::string_view text, int pos) {
  if (pos >= Size(text) || text[pos] != '(') return 0;
  int i = pos + 1;
  while (i < Size(text) && (IsNameByte(text[i]) || text[i] == '-' || text[i] == '_' ||
                            text[i] == '.' || text[i] == '\'')) {
    ++i;
  }
  if (i == pos + 1 || i >= Size(text) || text[i] != ')') return 0;
  return i + 1 - pos;
}

// True when the "所述" at `said` belongs to a reference ("权利要求1所述", "任一项所述").
bool SaidOfReference(std::string_view text, int said, int previous) {
  if (said > 0 && IsAsciiDigit(text[said - 1])) return true;
  static const CharSet kReferenceEnds(gbk::kReferenceEndChars);
  if (previous >= 0 && kReferenceEnds.HasAt(text, previous)) return true;
  return said >= 4 && (HasAt(text, said - 4, gbk::kOneOf) || HasAt(text, said - 4, gbk::kAnyOne));
}

// Where the character before the one at `at` (a character boundary) begins, or -1 at the start.
// A byte of 0x80 or more right before a boundary is a second byte; a byte below 0x80 may be one
// too, but then the character is no Chinese one under either reading, and only whether it is a
// Chinese character, or which one, is ever asked of it.
int PreviousChar(std::string_view text, int at) {
  if (at == 0) return -1;
  return static_cast<unsigned char>(text[at - 1]) >= 0x80 ? at - 2 : at - 1;
}

}  // namespace

TermSpan ReadReferredTerm(std::string_view text, int pos, bool joinSecond) {
  TermSpan term;
  term.start = pos;
  int i = pos;
  int chars = 0;
  bool hanzi = false;
  while (i < Size(text)) {
    const int sign = SignLength(text, i);
    if (sign > 0) {
      term.nameLength = i - pos;
      term.length = term.nameLength + sign;
      break;
    }
    if (chars == 0 && !OpensNameAt(text, i) && (BreaksNameAt(text, i) || VerbAt(text, i) > 0)) {
      return term;
    }
    if (CharLength(text[i]) == 1 ? !IsNameByte(text[i]) : !IsHanziAt(text, i)) break;
    const bool joined =
        joinSecond && chars == 1 && BreakChars().HasAt(text, i) && !HasAt(text, i, gbk::kOf);
    // A count right behind a word of place that opens the name is part of it ("下一个", "前两级").
    const bool phrase = PhraseOpensAt(text, i) && !(chars == 1 && OpensNameAt(text, pos));
    if (chars > 0 && !joined && (BreaksNameAt(text, i) || phrase || ClauseVerbAt(text, i)) &&
        !IsOnlyCount(text, pos, i - pos) && !EndsWordWithPrevious(text, i)) {
      break;
    }
    hanzi = hanzi || CharLength(text[i]) == 2;
    i += CharLength(text[i]);
    ++chars;
  }
  if (term.length == 0) term.nameLength = term.length = i - pos;
  const int nameChars = chars;
  // "该经预处理的纺织品材料": the participle qualifies the name after it and is none itself; it
  // ends in what was done, not in a part's word ("所述经编机的").
  const bool participle = HasAt(text, pos, gbk::kParticipleCoverb) &&
                          term.length == term.nameLength && HasAt(text, i, gbk::kOf) &&
                          !PartSuffixChars().HasAt(text, PreviousChar(text, i));
  if (!hanzi || nameChars < kMinNameChars || IsOnlyCount(text, pos, term.nameLength) ||
      participle) {
    term.nameLength = term.length = 0;
  }
  return term;
}

struct AntecedentReview::Verdict {
  // kNotAName: what follows the referring word is no name but a step's label, which the step
  // numbering judges.
  enum class Kind : uint8_t { kBasis, kNoBasis, kSignTwoNames, kNotAName };
  int32_t said = 0;  // where "所述" or "该" stands
  TermSpan term;
  std::string bytes;  // the term's, as the claim's text will soon hold brackets
  Kind kind = Kind::kBasis;
  std::vector<int32_t> without;  // branches without basis, by number, when others have it
};

namespace {

// The claims each claim rests on: its branches (the claims it depends on) and the claims that
// references inside its text name, by position, without itself.
struct Dependencies {
  std::vector<std::vector<int>> branches;
  std::vector<std::vector<int>> named;
  // Per claim: it refers back, but to no claim that could be read ("根据前述权利要求中的任一项"),
  // so that what it rests on is not known.
  std::vector<bool> unknown;
};

// True when an independent claim's opening holds a reference written wrong ("根据权利权利1所述
// 的"): the report took it for independent, but what it rests on is not known.
bool OpensWithMistypedReference(const ClaimRecord& record) {
  if (!record.isIndependent) return false;
  const std::string_view text = record.text;
  const std::string_view opening = text.substr(0, OpeningEnd(text));
  std::vector<Finding> slips;
  CheckReferenceWording(record, opening, slips);
  CheckReferenceUnnumbered(opening, slips);
  return HoldsMistypedReference(slips);
}

Dependencies ReadDependencies() {
  Dependencies deps;
  deps.branches.resize(g_claims.Count());
  deps.named.resize(g_claims.Count());
  deps.unknown.resize(g_claims.Count());
  for (int pos = 0; pos < g_claims.Count(); ++pos) {
    const ClaimRecord& record = g_claims[pos];
    const std::string_view text = record.text;
    const int opening = OpeningEnd(text);
    deps.branches[pos] = ReviewParents(pos);
    // An opening that is no reference may still name claims ("一种根据权利要求1～4任一项所述的
    //复合膜的制备方法"): their text is there to rest on, as a reference inside the text is.
    if (record.parentIndices.empty() && !RefersBack(record)) {
      AddClaimPositions(ReferencedClaims(text.substr(0, opening)), pos, deps.named[pos]);
    }
    AddClaimPositions(ReferencedClaims(text.substr(opening)), pos, deps.named[pos]);
    deps.unknown[pos] =
        (deps.branches[pos].empty() && RefersBack(record)) || OpensWithMistypedReference(record);
  }
  return deps;
}

// Searches names in the claims' texts, following the dependencies. A claim's text is walked
// while that is cheap; once it has been asked about more than a few times its length, its
// characters are indexed by the two characters they open. Past a budget of steps every question
// is answered from which first characters the texts hold.
class BasisSearch {
 public:
  explicit BasisSearch(const Dependencies& deps)
      : deps_(deps), reached_(g_claims.Count(), 0), texts_(g_claims.Count()) {
    int64_t bytes = 0;
    for (const ClaimRecord& record : g_claims) bytes += Size(record.text);
    budget_ = 16 * bytes + (1 << 20);
  }

  // While set, a name counts only where it is introduced, not where a referring word ("所述",
  // "该") stands right before it.
  void CountIntroductionsOnly(bool only) { introductionsOnly_ = only; }

  // True when `name` stands whole in the claim's text before `limit`.
  bool Before(int pos, std::string_view name, int limit) {
    if (OverBudget()) return HeldAnywhere(name);
    return Holds(pos, name, limit);
  }

  // True when `name` stands whole in claim `from` or in a claim it rests on, to any depth,
  // nearest claims first; also when the walk meets a claim whose parents are not known, which
  // may rest on any claim.
  bool Reaches(int from, std::string_view name) {
    return ReachesWhere(
        from, [&] { return HeldAnywhere(name); },
        [&](int pos) { return Holds(pos, name, Size(g_claims[pos].text)); });
  }

  // True when the reference sign `sign` stands in the claim's text before `limit`: a short one
  // ("(2)") too, walked as no index holds it.
  bool HoldsSign(int pos, std::string_view sign, int limit) {
    if (OverBudget()) return false;
    if (Size(sign) >= kKeyBytes) return Holds(pos, sign, limit);
    return Walk(pos, sign, limit, [](int) { return true; });
  }

  // As Reaches, for a reference sign. Past the budget nothing is found: a sign named otherwise
  // is a defect, and the review errs towards silence.
  bool ReachesSign(int from, std::string_view sign) {
    return ReachesWhere(
        from, [] { return false; },
        [&](int pos) { return HoldsSign(pos, sign, Size(g_claims[pos].text)); });
  }

  // True when `head` and `tail` stand in the claim's text before `limit` as one name written
  // with a qualifier between them (QualifiedTailAt).
  bool BeforeInOtherWords(int pos, std::string_view head, std::string_view tail, int limit) {
    if (OverBudget()) return false;
    const std::string_view text = g_claims[pos].text;
    return Walk(pos, head, limit, [&](int at) {
      return QualifiedTailAt(text, at + Size(head), tail, limit);
    });
  }

  // As Reaches, for `head` and `tail` written with a qualifier between them. Past the budget
  // nothing is found: the term keeps the verdict its exact search gave it.
  bool ReachesInOtherWords(int from, std::string_view head, std::string_view tail) {
    return ReachesWhere(
        from, [] { return false; },
        [&](int pos) { return BeforeInOtherWords(pos, head, tail, Size(g_claims[pos].text)); });
  }

  // True when `tail` stands in `text` at `from` behind a qualifier, all before `limit`: two to
  // six Chinese characters that hold no count or ordinal, no verb and no word that joins two
  // things ("和", "或", …: "进水口和排水管道" is no "进水管道"), as in "第二对" + "横向间隔开的" +
  // "粘合剂条" and "第二" + "用户" + "终端"; a second modifier of the same noun behind a joining
  // word or "、", which may be an ordinal ("表面活性剂型" + "和聚合物型" + "降凝剂", "第一" + "、第二"
  // + "电极"); or the bracket that closes an abbreviation, with or without "的" ("精细时间测量(FTM)
  // 请求", "到达角(AoA)的测量请求"). One character between makes another word ("掺杂金属" + "盐" +
  // "溶液" is no "掺杂金属溶液").
  static bool QualifiedTailAt(std::string_view text, int from, std::string_view tail, int limit) {
    static const CharSet kJoining(gbk::kJoiningChars);
    const auto tailAt = [&](int at) { return at + Size(tail) <= limit && HasAt(text, at, tail); };
    for (std::string_view bracket : {std::string_view(")"), gbk::kBranchesClose}) {
      if (!HasAt(text, from, bracket)) continue;
      const int after = from + Size(bracket);
      return tailAt(after) || (HasAt(text, after, gbk::kOf) && tailAt(after + Size(gbk::kOf)));
    }
    constexpr int kMinQualifierChars = 2;
    constexpr int kMaxQualifierChars = 6;
    const bool coordinated = kJoining.HasAt(text, from) || HasAt(text, from, gbk::kEnumComma);
    for (int at = from + (coordinated ? 2 : 0), chars = coordinated ? 1 : 0;
         at < limit && chars <= kMaxQualifierChars; at += 2, ++chars) {
      if (chars >= kMinQualifierChars && tailAt(at)) return true;
      if (!IsHanziAt(text, at) || VerbAt(text, at) > 0 || kJoining.HasAt(text, at) ||
          (!coordinated && OrdinalChars().HasAt(text, at))) {
        return false;
      }
    }
    return false;
  }

  // True when `needle` (four bytes or more) stands in the claim's text before `limit`; a name
  // that ends in a number only where it does not follow a character that binds to it.
  bool Holds(int pos, std::string_view needle, int limit) {
    if (Size(needle) < kKeyBytes) return IsAbbreviation(needle) && HoldsWord(pos, needle, limit);
    const std::string_view text = g_claims[pos].text;
    const bool label = EndsInNumber(needle);
    ClaimText& claim = texts_[pos];
    if (claim.index.Empty() && claim.walked > kWalksBeforeIndex * Size(text) + kFreeWalkBytes) {
      claim.index = Index(text);
    }
    const auto introduced = [&](int at) { return !introductionsOnly_ || !AfterReferral(text, at); };
    if (claim.index.Empty()) {
      return Walk(pos, needle, limit, [&](int at) {
        return (!label || StandsAlone(text, PreviousChar(text, at))) && introduced(at);
      });
    }
    const auto matches = [&](int at, int previous) {
      return HasAt(text, at, needle) && (!label || StandsAlone(text, previous)) && introduced(at);
    };
    const uint32_t key = KeyOf(needle);
    for (const uint32_t place : claim.index.PlacesOf(key)) {
      const int at = static_cast<int>(place >> 1);
      if (at >= limit) return false;
      if (KeyOf(text.substr(at, kKeyBytes)) != key) continue;
      --budget_;
      if (matches(at, at == 0 ? -1 : at - 1 - static_cast<int>(place & 1))) return true;
    }
    return false;
  }

 private:
  static constexpr int kKeyBytes = 4;
  // What visiting one more claim of a walk costs, counted as bytes walked.
  static constexpr int64_t kClaimVisitCost = 64;
  static constexpr int64_t kWalksBeforeIndex = 4;
  static constexpr int64_t kFreeWalkBytes = 4096;

  // The walk of Reaches, with `holds` asked of each claim met and `overBudget` answering once
  // the budget is spent.
  template <typename OverBudgetAnswer, typename HoldsIn>
  bool ReachesWhere(int from, OverBudgetAnswer overBudget, HoldsIn holds) {
    if (OverBudget()) return overBudget();
    if (++epoch_ == 0) {
      std::fill(reached_.begin(), reached_.end(), 0);
      epoch_ = 1;
    }
    pending_.assign(1, from);
    reached_[from] = epoch_;
    for (size_t next = 0; next < pending_.size(); ++next) {
      const int pos = pending_[next];
      budget_ -= kClaimVisitCost;
      if (deps_.unknown[pos] || holds(pos)) return true;
      if (OverBudget()) return overBudget();
      for (const auto* list : {&deps_.branches[pos], &deps_.named[pos]}) {
        budget_ -= static_cast<int64_t>(list->size());
        for (int claim : *list) {
          if (reached_[claim] == epoch_) continue;
          reached_[claim] = epoch_;
          pending_.push_back(claim);
        }
      }
    }
    return false;
  }

  // Where each character of a claim's text stands, by the key of the two characters it opens:
  // in buckets by a hash of the key, each bucket in the order of the text, so that the places
  // of a key are met in that order among the others of its bucket. A place is a position and
  // whether the character before it is of two bytes (there is none at the start).
  class Index {
   public:
    explicit Index(std::string_view text = {}) {
      std::vector<uint32_t> keys;
      std::vector<uint32_t> places;  // in text order
      ForEachKey(text, [&](int pos, int previous, uint32_t key) {
        keys.push_back(key);
        places.push_back(static_cast<uint32_t>(pos) << 1 | (pos - previous == 2));
      });
      if (places.empty()) return;
      bits_ = std::bit_width(static_cast<uint32_t>(places.size()));
      ends_.assign(size_t{1} << bits_, 0);
      for (const uint32_t key : keys) ++ends_[BucketOf(key)];
      std::partial_sum(ends_.begin(), ends_.end(), ends_.begin());
      places_.resize(places.size());
      // From the last place back, each bucket filled from its end: it then runs in text order.
      std::vector<uint32_t> fill = ends_;
      for (size_t i = places.size(); i-- > 0;) places_[--fill[BucketOf(keys[i])]] = places[i];
    }
    bool Empty() const { return places_.empty(); }
    // The places of `key`'s bucket, in text order.
    std::span<const uint32_t> PlacesOf(uint32_t key) const {
      const uint32_t bucket = BucketOf(key);
      const uint32_t begin = bucket == 0 ? 0 : ends_[bucket - 1];
      return std::span<const uint32_t>(places_).subspan(begin, ends_[bucket] - begin);
    }

   private:
    template <typename Take>
    static void ForEachKey(std::string_view text, Take take) {
      int previous = -1;
      for (int pos = 0; pos + kKeyBytes <= Size(text); pos += CharLength(text[pos])) {
        take(pos, previous, KeyOf(text.substr(pos, kKeyBytes)));
        previous = pos;
      }
    }
    uint32_t BucketOf(uint32_t key) const {
      return bits_ == 0 ? 0 : (key * 2654435761u) >> (32 - bits_);
    }
    int bits_ = 0;
    std::vector<uint32_t> ends_;    // per bucket, where its places end
    std::vector<uint32_t> places_;  // by bucket, then position
  };
  struct ClaimText {
    int64_t walked = 0;
    Index index;
  };

  // True when the letters `word` stand in the claim's text before `limit` as a word of their
  // own, not inside longer letters or a number ("CD" is not in "CDR"). Too short to be indexed,
  // the text is walked, paid for as any walk.
  bool HoldsWord(int pos, std::string_view word, int limit) {
    const std::string_view text = g_claims[pos].text;
    return Walk(pos, word, limit, [&](int at) {
      const int end = at + Size(word);
      return (at == 0 || !IsNameByte(text[at - 1])) && (end >= Size(text) || !IsNameByte(text[end]));
    });
  }

  // True when `needle` stands in the claim's text before `limit` at a place `accepts`. The walk
  // is paid for as far as it would have gone character by character, so that when a claim is
  // indexed does not depend on how its text is searched.
  template <typename Accepts>
  bool Walk(int pos, std::string_view needle, int limit, Accepts accepts) {
    const std::string_view text = g_claims[pos].text;
    const std::string_view before = text.substr(0, limit);
    ClaimText& claim = texts_[pos];
    for (int at = FindFrom(before, needle); at != kNotFound;
         at = FindFrom(before, needle, at + CharLength(text[at]))) {
      if (accepts(at)) {
        Spend(claim, at);
        return true;
      }
    }
    Spend(claim, limit);
    return false;
  }

  void Spend(ClaimText& claim, int bytes) {
    claim.walked += bytes;
    budget_ -= bytes;
  }

  // A name that ends in a number or an ordinal ("步骤一", "S1") labels one thing: its tail
  // ("骤一") labels nothing.
  static bool EndsInNumber(std::string_view name) {
    // The name holds Chinese characters and ASCII only, so a last byte below 0x80 is ASCII.
    if (static_cast<unsigned char>(name.back()) < 0x80) return IsAsciiDigit(name.back());
    return OrdinalChars().HasAt(name, Size(name) - 2);
  }

  static bool StandsAlone(std::string_view text, int previous) {
    return previous < 0 || !IsHanziAt(text, previous) || LeftBoundaryChars().HasAt(text, previous);
  }

  bool OverBudget() const { return budget_ < 0; }

  // True when "所述", "所述的" or "该" stands right before `at`.
  static bool AfterReferral(std::string_view text, int at) {
    std::string_view before = text.substr(0, at);
    if (before.ends_with(gbk::kThat)) return true;
    if (before.ends_with(gbk::kOf)) before.remove_suffix(gbk::kOf.size());
    return before.ends_with(gbk::kSaid);
  }

  bool HeldAnywhere(std::string_view name) {
    if (Size(name) < kKeyBytes) return true;
    if (firstKeys_.empty()) {
      for (const ClaimRecord& record : g_claims) {
        const std::string_view text = record.text;
        for (int pos = 0; pos + kKeyBytes <= Size(text); pos += CharLength(text[pos])) {
          firstKeys_.insert(KeyOf(text.substr(pos, kKeyBytes)));
        }
      }
      firstKeys_.insert(0);  // never empty once built
    }
    return firstKeys_.count(KeyOf(name)) > 0;
  }

  const Dependencies& deps_;
  std::vector<uint32_t> reached_;
  std::vector<int> pending_;
  uint32_t epoch_ = 0;
  int64_t budget_ = 0;
  bool introductionsOnly_ = false;
  std::vector<ClaimText> texts_;
  std::unordered_set<uint32_t> firstKeys_;
};

// Where `name` has a basis for the claim at `pos` whose reference stands at `said`: nothing
// when it has one, else the branches (by position) that lack it, all of them when none has it.
struct Basis {
  bool found = false;
  std::vector<int> lacking;
};

Basis BasisOf(BasisSearch& search, const Dependencies& deps, int pos, int said,
              std::string_view name) {
  Basis basis;
  basis.found = search.Before(pos, name, said);
  for (int named : deps.named[pos]) {
    if (basis.found) return basis;
    basis.found = search.Reaches(named, name);
  }
  if (basis.found) return basis;
  for (int branch : deps.branches[pos]) {
    if (!search.Reaches(branch, name)) basis.lacking.push_back(branch);
  }
  basis.found = !deps.branches[pos].empty() && basis.lacking.empty();
  return basis;
}

// True when the abbreviation that opens `name`, up to `cut`, is a name of its own before what
// follows it ("所述CDR揭示", "所述GPU重新格式化"): what follows is two Chinese characters or more,
// and nowhere the term rests on does the abbreviation stand with their first one after it, right,
// behind its bracket or behind "的" ("精细时间测量(FTM)请求" makes "FTM请求" one name, and
// "到达角(AoA)的测量请求" introduces "AoA测量请求" in other words).
bool AbbreviationEndsName(BasisSearch& search, const Dependencies& deps, int pos, int said,
                          std::string_view name, int cut) {
  const std::string_view rest = name.substr(cut);
  if (Size(rest) < 4 || !IsHanziAt(rest, 0) || !IsHanziAt(rest, 2)) return false;
  // Only an introduction tells how the claims name the thing: "所述CDR揭示" in another claim is
  // the same referral again.
  search.CountIntroductionsOnly(true);
  bool ends = true;
  for (std::string_view bracket : {std::string_view(), std::string_view(")"), gbk::kBranchesClose}) {
    for (std::string_view of : {std::string_view(), gbk::kOf}) {
      const std::string together = std::string(name.substr(0, cut))
                                       .append(bracket)
                                       .append(of)
                                       .append(rest.substr(0, 2));
      const Basis basis = BasisOf(search, deps, pos, said, together);
      if (basis.found || basis.lacking.size() < deps.branches[pos].size()) ends = false;
    }
  }
  search.CountIntroductionsOnly(false);
  return ends;
}

// True when the characters of `name` from `cut` on are a verb and one part's word after it
// ("连接件", "固定座"): they close one name with what stands before them.
bool ClosesPartName(std::string_view name, int cut) {
  const int verb = VerbAt(name, cut);
  return verb > 0 && cut + verb + 2 == Size(name) && PartSuffixChars().HasAt(name, cut + verb);
}

// True when the characters of `name` from `cut` on, two or three, end in a part's word that names
// a thing of its own ("加药" + "管道", "清洗剂" + "储存罐"): the term names that part, which the
// shorter name does not introduce. A place on a thing ("壳体" + "端部") is no such part, nor is a
// part's word that repeats the shorter name's own ("投衣口" + "开口"): it names that part again.
bool RestNamesPart(std::string_view name, int cut) {
  static const CharSet kPlaceOnThing(gbk::kPlaceOnThingChars);
  const int last = Size(name) - 2;
  const int before = PreviousChar(name, cut);
  const bool samePart = before == cut - 2 && name.substr(before, 2) == name.substr(last, 2);
  return last - cut >= 2 && last - cut <= 4 && PartSuffixChars().HasAt(name, last) &&
         !kPlaceOnThing.HasAt(name, last) && !samePart;
}

// True when a name of one character opens at `pos`: a Chinese character that is no function
// word, word of place, verb or number ("所述人中", "所述酸选自").
bool OneCharacterNameAt(std::string_view text, int pos) {
  return IsHanziAt(text, pos) && !BreaksNameAt(text, pos) && VerbAt(text, pos) == 0 &&
         !OrdinalChars().HasAt(text, pos);
}

// True when the one character `name` has its basis as a word of its own: after "的", "、", "个"
// or "种" and before punctuation or a function word ("视频中的人所", "水、酸、粘结剂"), not inside
// another name ("一个导流槽").
bool OneCharacterNameHasBasis(BasisSearch& search, const Dependencies& deps, int pos, int said,
                              std::string_view name) {
  const std::string_view leads = gbk::kBeforeOneCharNameChars;
  const std::string_view follows = gbk::kAfterOneCharNameChars;
  for (size_t i = 0; i < leads.size(); i += 2) {
    const std::string word = std::string(leads.substr(i, 2)).append(name);
    // Most such words stand nowhere: asked first, they spare the asking of each ending.
    if (!BasisOf(search, deps, pos, said, word).found) continue;
    for (size_t j = 0; j < follows.size(); j += 2) {
      if (BasisOf(search, deps, pos, said, word + std::string(follows.substr(j, 2))).found) {
        return true;
      }
    }
  }
  return false;
}

// The basis of the term or, failing it, of the longest shorter name from its start that has a
// basis (or, where the term has none on any branch, a basis on some branch) and that the rest of
// the term does not make one name with: the rest is two characters or more and not a verb with a
// part's word ("梯带绳" + "连接件", "进料" + "口" are one name each), or, where `wordFollows` (the
// term ended at a function word, not at punctuation) and no branch holds the term, one
// character, which may open the verb that word ends ("指令" + "促使"). `nameLength` becomes the length of the name judged.
Basis TermBasis(BasisSearch& search, const Dependencies& deps, int pos, int said,
                std::string_view name, bool wordFollows, int& nameLength) {
  nameLength = Size(name);
  Basis basis = BasisOf(search, deps, pos, said, name);
  if (basis.found) return basis;
  const bool nowhere = basis.lacking.size() == deps.branches[pos].size();
  std::vector<int> cuts;  // the character boundaries that leave two characters or more before
  for (int i = 0, chars = 0; i < Size(name); i += CharLength(name[i]), ++chars) {
    if (chars >= kMinNameChars) cuts.push_back(i);
  }
  const bool oneCharRest = !cuts.empty() && Size(name) - cuts.back() == 2;
  // A term that some branch holds whole is a name of its own ("清洗罐").
  if (!cuts.empty() && !(nowhere && wordFollows && oneCharRest && IsHanziAt(name, cuts.back()))) {
    cuts.pop_back();
  }
  int tried = 0;
  for (auto it = cuts.rbegin(); it != cuts.rend() && tried < kShorterNamesTried; ++it, ++tried) {
    const int cut = *it;
    if (IsOnlyCount(name, 0, cut) || VerbAt(name, 0) == cut) continue;
    Basis shorter = BasisOf(search, deps, pos, said, name.substr(0, cut));
    const bool somewhere = shorter.lacking.size() < deps.branches[pos].size();
    if (!shorter.found && !(nowhere && somewhere)) continue;
    if (ClosesPartName(name, cut) || RestNamesPart(name, cut)) return basis;
    if (IsAbbreviation(name.substr(0, cut)) &&
        !AbbreviationEndsName(search, deps, pos, said, name, cut)) {
      return basis;
    }
    nameLength = cut;
    return shorter;
  }
  return basis;
}

// True when `name`, which has no basis as written (`basis`), is introduced in other words: its
// start and its rest, two characters or more each, stand with a qualifier between them
// (BasisSearch::QualifiedTailAt) in the claim's earlier text, in a claim a reference inside its
// text names, or on every branch that lacks the name. A practitioner reads "所述第二终端" after
// "第二用户终端" as the same terminal, at most worth a word to the drafter, not an objection.
bool IntroducedInOtherWords(BasisSearch& search, const Dependencies& deps, int pos, int said,
                            std::string_view name, const Basis& basis) {
  int chars = 0;
  for (int i = 0; i < Size(name); i += CharLength(name[i])) ++chars;
  for (int cut = 0, before = 0; cut < Size(name); cut += CharLength(name[cut]), ++before) {
    if (before < kMinNameChars || chars - before < kMinNameChars) continue;
    const std::string_view head = name.substr(0, cut);
    const std::string_view tail = name.substr(cut);
    if (search.BeforeInOtherWords(pos, head, tail, said)) return true;
    for (int named : deps.named[pos]) {
      if (search.ReachesInOtherWords(named, head, tail)) return true;
    }
    if (!basis.lacking.empty() &&
        std::all_of(basis.lacking.begin(), basis.lacking.end(), [&](int branch) {
          return search.ReachesInOtherWords(branch, head, tail);
        })) {
      return true;
    }
  }
  return false;
}

// True when the reference sign of the term stands in the claim's earlier text or on every
// branch without it, after another name.
bool SignNamedOtherwise(BasisSearch& search, int pos, int said,
                        std::string_view sign, const std::vector<int>& lacking) {
  if (search.HoldsSign(pos, sign, said)) return true;
  return !lacking.empty() && std::all_of(lacking.begin(), lacking.end(), [&](int branch) {
    return search.ReachesSign(branch, sign);
  });
}

// True when `sign` stands in `text` before `limit` after a name, each time one that ends otherwise
// than `name` does: another thing ("水球(17)" before "所述触发管(17)"), not the same one named
// longer or shorter ("履带(15)" before "所述三角形履带(15)").
bool SignBorneByAnotherName(std::string_view text, int limit, std::string_view name,
                            std::string_view sign) {
  constexpr int kHeadNounBytes = 4;
  if (Size(name) < kHeadNounBytes) return false;
  const std::string_view headNoun = name.substr(name.size() - kHeadNounBytes);
  bool borne = false;
  for (int at = FindFrom(text, sign); at != kNotFound && at < limit;
       at = FindFrom(text, sign, at + Size(sign))) {
    // A label after punctuation ("：(1)将…") is borne by no name.
    if (at < kHeadNounBytes || !IsHanziAt(text, at - 2)) continue;
    if (text.substr(at - kHeadNounBytes, kHeadNounBytes) == headNoun) return false;
    borne = true;
  }
  return borne;
}

// True when `name` names a step by its label: "步骤" with letters, digits or numerals before or
// after it ("步骤S5", "S5步骤", "步骤一"), or with a reference sign (`withSign`: "步骤(1)").
bool IsStepLabel(std::string_view name, bool withSign) {
  std::string_view label = name;
  if (HasAt(label, 0, gbk::kStep)) {
    label.remove_prefix(gbk::kStep.size());
  } else if (label.size() >= gbk::kStep.size() &&
             label.substr(label.size() - gbk::kStep.size()) == gbk::kStep) {
    label.remove_suffix(gbk::kStep.size());
  } else {
    return false;
  }
  if (label.empty()) return withSign;
  for (int i = 0; i < Size(label); i += CharLength(label[i])) {
    const bool labelChar =
        CharLength(label[i]) == 1 ? IsNameByte(label[i]) : OrdinalChars().HasAt(label, i);
    if (!labelChar) return false;
  }
  return true;
}

// The words of a claim's text that refer back ("所述", "所述的", "该"), found in order. Each word
// is searched for on its own and its next place kept, so that the text is gone over once for each.
class ReferralFinder {
 public:
  explicit ReferralFinder(std::string_view text)
      : text_(text), said_(FindFrom(text, gbk::kSaid)), that_(NextThat(0)) {}

  // The next word at or after `from` (a character boundary), its position and the position of
  // its term, and where the character before it begins (-1 when it stands at `from`); or
  // kNotFound.
  int Next(int from, int& termStart, int& previous) {
    if (said_ != kNotFound && said_ < from) said_ = FindFrom(text_, gbk::kSaid, from);
    if (that_ != kNotFound && that_ < from) that_ = NextThat(from);
    const int said = said_;
    // Right at `from` nothing stands before "该" to make it "应该".
    const int that = WordAt(text_, from, gbk::kThat) ? from : that_;
    if (said == kNotFound && that == kNotFound) return kNotFound;
    const int pos = that == kNotFound || (said != kNotFound && said < that) ? said : that;
    previous = pos == from ? -1 : PreviousChar(text_, pos);
    termStart = pos + (pos == said ? Size(gbk::kSaid) : Size(gbk::kThat));
    if (pos == said && WordAt(text_, termStart, gbk::kOf)) termStart += Size(gbk::kOf);
    return pos;
  }

 private:
  // The next "该" at or after `from` that is not the end of "应该".
  int NextThat(int from) const {
    int at = FindFrom(text_, gbk::kThat, from);
    while (at != kNotFound && WordAt(text_, PreviousChar(text_, at), gbk::kShould)) {
      at = FindFrom(text_, gbk::kThat, at + Size(gbk::kThat));
    }
    return at;
  }

  std::string_view text_;
  int said_;  // the next "所述" at or after the last search's start, or kNotFound
  int that_;  // the next "该" that is no "应该", likewise
};

// A name that bears a reference sign where it is introduced, not referred back to.
struct SignedName {
  TermSpan term;  // in the claim's text as read
  std::string_view name;
  std::string_view sign;
  bool referral = false;  // right behind "所述", "所述的" or "该"
};

// A name introduced with a sign that another name bore before: its span and its bytes, kept as
// the claim's text will hold brackets once the report is written.
struct SignSlip {
  TermSpan term;
  std::string bytes;
};

// True when the character at `pos` can be no part of a name nor of a word that shapes one (a
// punctuation mark, a bracket, a space): the reading of what comes before it ends there.
bool EndsReadingAt(std::string_view text, int pos) {
  return CharLength(text[pos]) == 1 ? !IsNameByte(text[pos]) : !IsHanziAt(text, pos);
}

// Reads the characters from `fresh`, where nothing read before matters, to the sign at `at`, and
// calls `take` with the name the sign labels, if any.
template <typename Take>
void TakeSignedName(std::string_view text, int fresh, int at, int sign, Take take) {
  static const CharSet kJoining(gbk::kJoiningChars);
  int start = fresh;
  bool referral = false;
  bool joined = false;
  for (int i = fresh; i < at;) {
    const int verb = VerbAt(text, i);
    const bool said = HasAt(text, i, gbk::kSaid);
    const int next = i + (said ? Size(gbk::kSaid) : verb > 0 ? verb : CharLength(text[i]));
    if (said || verb > 0 || BreakChars().HasAt(text, i) || LocativeChars().HasAt(text, i) ||
        EndsReadingAt(text, i)) {
      // "所述的": the referral goes on behind its "的".
      const bool of = referral && start == i && HasAt(text, i, gbk::kOf);
      referral = said || HasAt(text, i, gbk::kThat) || of;
      joined = kJoining.HasAt(text, i);
      start = next;
    }
    i = next;
  }
  int from = start;
  while (from < at && OrdinalChars().HasAt(text, from)) from += 2;
  if (from > start && MeasureChars().HasAt(text, from)) from += 2;
  const std::string_view name = text.substr(from, at - from);
  if (joined || !IsHanziAt(text, start) || name.empty() || IsStepLabel(name, true)) return;
  take(SignedName{{from, at - from, at - from + sign}, name, text.substr(at, sign), referral});
}

// Calls `take` with each name that bears a drawing's reference sign (a number, perhaps with
// letters after it: "(21)", "(12a)") in the claim's text, where it is introduced: the characters
// before the sign back to what cannot be part of a name, a function word, a word of place or a
// verb, and without a count that opens them ("设置有送标传动丝杆(21)" gives "送标传动丝杆", "两个
// 支腿(162)" gives "支腿"), and whether it is referred back to. Not taken: a name behind "或",
// "和", …, where the sign may label what the words before it name ("加热或辐照装置(9)"); a
// step's label ("步骤(1)"). Only the claims' brackets are sought, and only the words since the
// last punctuation mark or bracket before a sign are read closely: signs are few and far between.
template <typename Take>
void ForEachSignedName(int pos, Take take) {
  const std::string_view text = g_claims[pos].text;
  // A byte below 0x30 is never part of a character of two or four bytes: each "(" found is where
  // a character begins.
  int walked = 0;  // where a character begins, after the last bracket
  for (size_t open = text.find('('); open != std::string_view::npos;
       open = text.find('(', open + 1)) {
    const int at = static_cast<int>(open);
    const int sign = SignLength(text, at);
    if (sign > 0 && IsAsciiDigit(text[at + 1])) {
      int fresh = walked;
      for (int i = walked; i < at; i += CharLength(text[i])) {
        if (EndsReadingAt(text, i)) fresh = i + CharLength(text[i]);
      }
      TakeSignedName(text, fresh, at, sign, take);
    }
    walked = at + std::max(sign, 1);
  }
}

// True when `a` and `b` name one thing: the same name, or one the start or the end of the other
// ("履带" and "三角形履带").
bool NameOneThing(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  return b.starts_with(a) || b.ends_with(a);
}

// Per claim, the names introduced with a reference sign that another name bore before them in
// the claims' text, each name once for its sign ("贴标传动丝杆(21)" in claim 2, then
// "送标传动丝杆(21)" in claim 4): one sign labels one part of the drawings in every claim. A name
// referred back to with the sign is judged with its term; it names the sign's part from then on.
std::vector<std::vector<SignSlip>> SignsOfTwoNames() {
  std::vector<std::vector<SignSlip>> slips(g_claims.Count());
  std::unordered_map<std::string_view, std::vector<std::string_view>> namesOfSign;
  for (int pos = 0; pos < g_claims.Count(); ++pos) {
    ForEachSignedName(pos, [&](const SignedName& signed_) {
      std::vector<std::string_view>& names = namesOfSign[signed_.sign];
      const auto same = [&](std::string_view name) { return NameOneThing(name, signed_.name); };
      if (std::any_of(names.begin(), names.end(), same)) return;
      if (!names.empty() && !signed_.referral) {
        const std::string_view text = g_claims[pos].text;
        slips[pos].push_back(
            {signed_.term, std::string(text.substr(signed_.term.start, signed_.term.length))});
      }
      names.push_back(signed_.name);
    });
  }
  return slips;
}

}  // namespace

struct AntecedentReview::Reading {
  Dependencies deps;
  std::vector<std::vector<SignSlip>> signsOfTwoNames;  // per claim
};

AntecedentReview::AntecedentReview()
    : reading_(std::make_unique<Reading>(Reading{ReadDependencies(), SignsOfTwoNames()})),
      verdicts_(g_claims.Count()) {}

void AntecedentReview::Read(int from, int to) {
  const Dependencies& deps = reading_->deps;
  BasisSearch search(deps);
  std::unordered_set<std::string_view> seen;  // the names asked before in the claim
  for (int pos = from; pos < to; ++pos) {
    const std::string_view text = g_claims[pos].text;
    // A claim that refers to claims none of which could be read has no known basis.
    if (deps.unknown[pos]) continue;
    seen.clear();
    int termStart = 0;
    int previous = -1;
    ReferralFinder referrals(text);
    for (int said = referrals.Next(0, termStart, previous); said != kNotFound;
         said = referrals.Next(termStart, termStart, previous)) {
      if (SaidOfReference(text, said, previous)) continue;
      TermSpan term = ReadReferredTerm(text, termStart);
      const std::string_view name = text.substr(term.start, term.nameLength);
      if (term.length > 0 && IsStepLabel(name, term.length > term.nameLength)) {
        verdicts_[pos].push_back({said, term, std::string(name), Verdict::Kind::kNotAName, {}});
        continue;
      }
      if (term.length == 0) {
        // What the report marks behind a name of one character ("所述酸选自") rests on it
        // where it has its basis as a word of its own.
        const std::string_view one = text.substr(termStart, 2);
        if (OneCharacterNameAt(text, termStart) &&
            OneCharacterNameHasBasis(search, deps, pos, said, one)) {
          verdicts_[pos].push_back(
              {said, {termStart, 2, 2}, std::string(one), Verdict::Kind::kBasis, {}});
          continue;
        }
        // Read with the function word behind its first character ("导向部", "功能模块"), a
        // name that has its basis is that name; one that has none is left to the report's mark.
        const TermSpan joined = ReadReferredTerm(text, termStart, true);
        const std::string_view whole = text.substr(joined.start, joined.nameLength);
        if (joined.length > 0 && BasisOf(search, deps, pos, said, whole).found) {
          verdicts_[pos].push_back(
              {said, joined, std::string(whole), Verdict::Kind::kBasis, {}});
        }
        continue;
      }
      // A name asked again after its first referral has that one as its basis: one defect,
      // one finding, and the report's own mark on the later "所述" is settled as a note.
      // A reference sign is weighed each time: it may be another thing's.
      if (!seen.insert(name).second && term.length == term.nameLength) {
        verdicts_[pos].push_back({said, term, std::string(name), Verdict::Kind::kBasis, {}});
        continue;
      }
      int nameLength = 0;
      const bool wordFollows = IsHanziAt(text, term.start + term.nameLength);
      const Basis basis = TermBasis(search, deps, pos, said, name, wordFollows, nameLength);
      if (nameLength < term.nameLength) term = {term.start, nameLength, nameLength};
      Verdict verdict{said, term, std::string(text.substr(term.start, term.length)),
                      Verdict::Kind::kBasis, {}};
      const std::string_view sign =
          text.substr(term.start + term.nameLength, term.length - term.nameLength);
      // A name with its basis may still bear a sign that another name bore before it.
      if (basis.found && !sign.empty() && SignBorneByAnotherName(text, said, name, sign)) {
        verdict.kind = Verdict::Kind::kSignTwoNames;
      }
      if (!basis.found) {
        verdict.kind = Verdict::Kind::kNoBasis;
        if (!sign.empty() && SignNamedOtherwise(search, pos, said, sign, basis.lacking)) {
          verdict.kind = Verdict::Kind::kSignTwoNames;
        } else if (IntroducedInOtherWords(search, deps, pos, said, name, basis)) {
          verdict.kind = Verdict::Kind::kBasis;
        } else if (basis.lacking.size() < deps.branches[pos].size()) {
          for (int branch : basis.lacking) verdict.without.push_back(g_claims[branch].number);
        }
      }
      verdicts_[pos].push_back(std::move(verdict));
    }
  }
}

AntecedentReview::~AntecedentReview() = default;

void AntecedentReview::Check(int pos, std::vector<Finding>& own,
                             std::vector<Finding>& further) const {
  // A sign labels a part of the drawings whatever the claim rests on. Where the name is
  // introduced, what ends it is less sure than behind "所述": worth a look.
  for (const SignSlip& slip : reading_->signsOfTwoNames[pos]) {
    Finding finding;
    finding.code = FindingCode::kAntecedentBasis;
    finding.severity = Severity::kReview;
    finding.label = gbk::kLabelSignTwoNames;
    finding.textStart = slip.term.start;
    finding.textLength = slip.term.length;
    finding.term = slip.bytes;
    finding.reviewed = true;
    further.push_back(std::move(finding));
  }
  // Where the claim's reference is mistyped, the claims it rests on are not known: the typo is
  // the one finding, and the report's own marks keep their rule.
  if (HoldsMistypedReference(further)) return;
  const std::vector<Verdict>& verdicts = verdicts_[pos];
  std::vector<bool> spoken(verdicts.size(), false);
  const auto severityOf = [](const Verdict& v) {
    if (v.kind == Verdict::Kind::kBasis || v.kind == Verdict::Kind::kNotAName) {
      return Severity::kNote;
    }
    return v.kind == Verdict::Kind::kSignTwoNames ? Severity::kFix : Severity::kReview;
  };
  for (Finding& finding : own) {
    if (finding.code != FindingCode::kAntecedent) continue;
    const auto it = std::lower_bound(
        verdicts.begin(), verdicts.end(), finding.textStart,
        [](const Verdict& v, int32_t said) { return v.said < said; });
    if (it == verdicts.end() || it->said != finding.textStart) continue;
    spoken[it - verdicts.begin()] = true;
    finding.reviewed = true;
    finding.severity = severityOf(*it);
    finding.branchesWithout = it->without;
    finding.termUnread = it->kind == Verdict::Kind::kNotAName;
    // The report's mark reads a fixed few characters behind "所述"; what the drafter is told
    // lacks its basis is the term as the review reads it ("碳酸钙填料", not "碳酸"). The report
    // shows no term where the mark is "所述" alone, so it stays as it is.
    if (finding.severity != Severity::kNote && !it->bytes.empty() &&
        finding.textLength == Size(gbk::kSaid)) {
      finding.term = it->bytes;
    }
  }
  for (size_t i = 0; i < verdicts.size(); ++i) {
    const Verdict& v = verdicts[i];
    if (spoken[i] || v.kind == Verdict::Kind::kBasis || v.kind == Verdict::Kind::kNotAName) {
      continue;
    }
    Finding finding;
    finding.code = FindingCode::kAntecedentBasis;
    finding.severity = severityOf(v);
    finding.label = v.kind == Verdict::Kind::kSignTwoNames ? gbk::kLabelSignTwoNames
                                                           : gbk::kLabelNoBasis;
    finding.textStart = v.term.start;
    finding.textLength = v.term.length;
    finding.term = v.bytes;
    finding.reviewed = true;
    finding.branchesWithout = v.without;
    further.push_back(std::move(finding));
  }
}
