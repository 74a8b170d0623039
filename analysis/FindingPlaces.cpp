#include "FindingPlaces.h"

#include <algorithm>
#include <vector>

#include "TextWalker.h"

namespace {

// A position of the user's text to be walked to, and where to put what is found there.
struct Query {
  int32_t pos;
  TextPlace* place;     // may be null
  int32_t* codePoints;  // may be null
};

// The position in the analysed text of byte `offset` of the claim's text, which joins its
// paragraphs with "\r\n".
int32_t AnalysedPos(const AnalysisResult& result, const ClaimResult& claim, int32_t offset) {
  size_t paragraph = static_cast<size_t>(claim.firstParagraph);
  while (paragraph + 1 < result.paragraphs.size() && offset > result.paragraphs[paragraph].length) {
    offset -= result.paragraphs[paragraph].length + 2;
    ++paragraph;
  }
  return result.paragraphs[paragraph].start + offset;
}

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
    for (Finding& finding : claim.findings) {
      if (!finding.InText()) continue;
      const int32_t start = AnalysedPos(result, claim, finding.textStart);
      const int32_t end = AnalysedPos(result, claim, finding.textStart + finding.textLength);
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
