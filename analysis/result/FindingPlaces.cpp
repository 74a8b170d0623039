#include "result/FindingPlaces.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "text/GbkText.h"
#include "text/GbkTexts.h"
#include "text/TextWalker.h"

namespace {

// A position of the user's text to be walked to, and where to put what is found there.
struct Query {
  int32_t pos;
  TextPlace* place;      // may be null
  int32_t* codePoints;   // may be null
  int32_t* pairs = nullptr;  // may be null: the "\r\n" before it, which a text box holds as one
};

// Counts the "\r\n" before positions asked in ascending order, in one walk.
class PairedBreaks {
 public:
  explicit PairedBreaks(std::string_view text) : text_(text) {}

  int32_t Before(size_t pos) {
    while (true) {
      if (next_ == kUnknown) next_ = text_.find("\r\n", from_);
      if (next_ == std::string_view::npos || next_ + 2 > pos) return count_;
      ++count_;
      from_ = next_ + 2;
      next_ = kUnknown;
    }
  }

 private:
  static constexpr size_t kUnknown = static_cast<size_t>(-2);

  std::string_view text_;
  size_t from_ = 0;
  size_t next_ = kUnknown;
  int32_t count_ = 0;
};

// Turns byte offsets of a claim's text, which joins its paragraphs with "\r\n", into positions
// of the analysed text. The paragraphs are walked forward from one offset to the next, so that
// offsets asked in ascending order cost one walk over the claim's paragraphs; an offset before
// the last one starts the walk again (a claim's findings come in a few ascending runs).
class ClaimOffsets {
 public:
  ClaimOffsets(const AnalysisResult& result, const ClaimResult& claim)
      : paragraphs_(result.paragraphs),
        first_(static_cast<size_t>(claim.firstParagraph)),
        paragraph_(first_) {}

  int32_t AnalysedPos(int32_t offset) {
    if (offset < base_) {
      paragraph_ = first_;
      base_ = 0;
    }
    while (paragraph_ + 1 < paragraphs_.size() && offset - base_ > paragraphs_[paragraph_].length) {
      base_ += paragraphs_[paragraph_].length + 2;
      ++paragraph_;
    }
    return paragraphs_[paragraph_].start + (offset - base_);
  }

 private:
  const std::vector<TextSpan>& paragraphs_;
  size_t first_;
  size_t paragraph_;
  int32_t base_ = 0;  // the offset in the claim's text of the paragraph walked to
};

// The character boundaries of `text`, from 0 to its end.
std::vector<int32_t> CharBounds(std::string_view text) {
  std::vector<int32_t> bounds{0};
  for (size_t pos = 0; pos < text.size();) {
    pos += static_cast<size_t>(Gb18030CharLength(text, pos));
    bounds.push_back(static_cast<int32_t>(pos));
  }
  return bounds;
}

// The bytes of the whole characters that `a` and `b` begin with alike, and of those they end
// with alike after them.
struct SharedEnds {
  int32_t head = 0;
  int32_t tail = 0;
};
SharedEnds SharedEndsOf(std::string_view a, std::string_view b) {
  const std::vector<int32_t> inA = CharBounds(a);
  const std::vector<int32_t> inB = CharBounds(b);
  // The same character: the same bytes between the same bounds.
  const auto same = [&](size_t i, size_t j) {
    const int32_t length = inA[i + 1] - inA[i];
    return length == inB[j + 1] - inB[j] &&
           a.substr(static_cast<size_t>(inA[i]), static_cast<size_t>(length)) ==
               b.substr(static_cast<size_t>(inB[j]), static_cast<size_t>(length));
  };
  size_t head = 0;
  while (head + 1 < inA.size() && head + 1 < inB.size() && same(head, head)) ++head;
  size_t endA = inA.size() - 1;
  size_t endB = inB.size() - 1;
  while (endA > head && endB > head && same(endA - 1, endB - 1)) {
    --endA;
    --endB;
  }
  return {inA[head], Size(a) - inA[endA]};
}

// True when `span` of the user's text holds a digit, and every digit it holds is full-width.
bool HasOnlyFullWidthDigits(std::string_view span) {
  bool any = false;
  for (size_t pos = 0; pos < span.size();
       pos += static_cast<size_t>(Gb18030CharLength(span, pos))) {
    if (IsAsciiDigit(span[pos])) return false;
    any = any || (span[pos] == gbk::kFullWidthDigitZero[0] && pos + 1 < span.size() &&
                  static_cast<unsigned char>(span[pos + 1] - gbk::kFullWidthDigitZero[1]) < 10);
  }
  return any;
}

// `text` with every ASCII digit full-width.
std::string FullWidthDigits(std::string_view text) {
  std::string wide;
  for (char c : text) {
    if (!IsAsciiDigit(c)) {
      wide.push_back(c);
      continue;
    }
    wide.push_back(gbk::kFullWidthDigitZero[0]);
    wide.push_back(static_cast<char>(gbk::kFullWidthDigitZero[1] + (c - '0')));
  }
  return wide;
}

// The bytes of `edit`'s span in the user's text, its analysed span being [start, end).
void PlaceInSource(FixEdit& edit, int32_t start, int32_t end, const SourceMap& map) {
  // An insertion goes right behind the character before it, ahead of anything removed.
  edit.source.start = start == end ? map.EndOf(start) : map.StartOf(start);
  edit.source.length = map.EndOf(end) - edit.source.start;
}

// Where each edit of the result's fixes stands, to be walked to with the findings: four counts per
// edit, the code points and the paired breaks before its start and its end.
class EditQueries {
 public:
  EditQueries(std::string_view analysed, std::string_view userText, const SourceMap& map)
      : analysed_(analysed), userText_(userText), map_(map) {}

  // Adds the queries of every fix not yet located; `own` is the position of the claim whose
  // finding carries the fix.
  void Add(AnalysisResult& result, Fix& fix, int32_t own) {
    if (fix.located) return;
    fix.located = true;
    for (FixEdit& edit : fix.edits) {
      if (edit.claim < 0) edit.claim = own;
      ClaimOffsets offsets(result, result.claims[static_cast<size_t>(edit.claim)]);
      Place(edit, offsets.AnalysedPos(edit.textStart),
            offsets.AnalysedPos(edit.textStart + edit.textLength));
      counts_.emplace_back(&edit, std::array<int32_t, 4>{});
    }
  }

  // The queries of the edits added, once every Add is done (the counts no longer move).
  void Queue(std::vector<Query>& queries) {
    for (auto& [edit, counts] : counts_) {
      queries.push_back({edit->source.start, &edit->place, &counts[0], &counts[1]});
      queries.push_back({edit->source.start + edit->source.length, nullptr, &counts[2], &counts[3]});
    }
  }

  // The offsets and lengths, once the queries are answered.
  void Finish() {
    for (auto& [edit, counts] : counts_) {
      edit->offset = counts[0] - counts[1];
      edit->length = (counts[2] - counts[3]) - edit->offset;
    }
  }

 private:
  // Places `edit`, whose span is [start, end) of the analysed text. Where the user wrote its
  // characters otherwise (blanks, full-width digits or brackets the normalisation changed), the
  // edit keeps those it begins and ends with alike, so that a "１" before an inserted "所" stays
  // the user's, and writes its digits full-width where the user's digits in its place all are.
  void Place(FixEdit& edit, int32_t start, int32_t end) {
    PlaceInSource(edit, start, end, map_);
    const std::string_view analysed =
        analysed_.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
    if (UserSpan(edit) == analysed) return;
    const SharedEnds shared = SharedEndsOf(analysed, edit.text);
    edit.text = edit.text.substr(static_cast<size_t>(shared.head),
                                 edit.text.size() - static_cast<size_t>(shared.head + shared.tail));
    edit.textStart += shared.head;
    edit.textLength -= shared.head + shared.tail;
    PlaceInSource(edit, start + shared.head, end - shared.tail, map_);
    if (HasOnlyFullWidthDigits(UserSpan(edit))) edit.text = FullWidthDigits(edit.text);
  }

  std::string_view UserSpan(const FixEdit& edit) const {
    return userText_.substr(static_cast<size_t>(edit.source.start),
                            static_cast<size_t>(edit.source.length));
  }

  std::string_view analysed_;
  std::string_view userText_;
  const SourceMap& map_;
  std::vector<std::pair<FixEdit*, std::array<int32_t, 4>>> counts_;
};

}  // namespace

void LocateFindings(AnalysisResult& result, std::string_view analysed, std::string_view userText,
                    const SourceMap& map) {
  size_t inText = 0;
  for (const ClaimResult& claim : result.claims) {
    inText += std::count_if(claim.findings.begin(), claim.findings.end(),
                            [](const Finding& f) { return f.InText(); });
  }
  std::vector<int32_t> spanEnds(2 * inText);
  std::vector<Query> queries;
  queries.reserve(result.claims.size() + 2 * inText);
  size_t slot = 0;
  EditQueries edits(analysed, userText, map);
  for (size_t pos = 0; pos < result.claims.size(); ++pos) {
    for (Finding& finding : result.claims[pos].findings) {
      if (finding.fix) edits.Add(result, *finding.fix, static_cast<int32_t>(pos));
    }
  }
  edits.Queue(queries);
  for (ClaimResult& claim : result.claims) {
    queries.push_back({map.StartOf(result.paragraphs[claim.firstParagraph].start), &claim.place,
                       nullptr});
    ClaimOffsets offsets(result, claim);
    for (Finding& finding : claim.findings) {
      if (!finding.InText()) continue;
      const int32_t start = offsets.AnalysedPos(finding.textStart);
      const int32_t end = offsets.AnalysedPos(finding.textStart + finding.textLength);
      queries.push_back({map.StartOf(start), &finding.place, &spanEnds[slot++]});
      queries.push_back({map.EndOf(end), nullptr, &spanEnds[slot++]});
    }
  }
  std::stable_sort(queries.begin(), queries.end(),
                   [](const Query& a, const Query& b) { return a.pos < b.pos; });
  TextWalker walker(userText);
  PairedBreaks pairs(userText);
  for (const Query& query : queries) {
    const auto pos = static_cast<size_t>(query.pos);
    if (query.place) *query.place = walker.PlaceOf(pos);
    if (query.codePoints) *query.codePoints = walker.CodePointsBefore(pos);
    if (query.pairs) *query.pairs = pairs.Before(pos);
  }
  edits.Finish();
  slot = 0;
  for (ClaimResult& claim : result.claims) {
    for (Finding& finding : claim.findings) {
      if (!finding.InText()) {
        finding.place = claim.place;
        continue;
      }
      finding.length = spanEnds[slot + 1] - spanEnds[slot];
      slot += 2;
    }
  }
}
