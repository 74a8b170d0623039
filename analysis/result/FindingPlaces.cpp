#include "result/FindingPlaces.h"

#include <algorithm>
#include <vector>

#include "text/TextWalker.h"

namespace {

// A position of the user's text to be walked to, and where to put what is found there.
struct Query {
  int32_t pos;
  TextPlace* place;     // may be null
  int32_t* codePoints;  // may be null
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

}  // namespace

void LocateFindings(AnalysisResult& result, std::string_view userText, const SourceMap& map) {
  size_t inText = 0;
  for (const ClaimResult& claim : result.claims) {
    inText += std::count_if(claim.findings.begin(), claim.findings.end(),
                            [](const Finding& f) { return f.InText(); });
  }
  std::vector<int32_t> spanEnds(2 * inText);
  std::vector<Query> queries;
  queries.reserve(result.claims.size() + 2 * inText);
  size_t slot = 0;
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
  for (const Query& query : queries) {
    const auto pos = static_cast<size_t>(query.pos);
    if (query.place) *query.place = walker.PlaceOf(pos);
    if (query.codePoints) *query.codePoints = walker.CodePointsBefore(pos);
  }
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
