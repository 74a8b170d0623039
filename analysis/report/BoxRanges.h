// Where a report's findings lie once a text box holds the report: in UTF-16 code units, as
// QString and JavaScript count them (a character outside the Basic Multilingual Plane takes
// two), with each "\r\n" of the report one "\n" in the box. The window and the page select and
// list the findings by these ranges.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "result/AnalysisResult.h"

struct BoxRange {
  int32_t start = 0;
  int32_t end = 0;  // the position after the range
  friend bool operator==(const BoxRange&, const BoxRange&) = default;
};

// One range per finding of `result`, in the order of its claims and of their findings: the
// inside of the bracket that shows it in `report`, the report the result wrote. The findings'
// report places must still be bytes of the report, as RunCheck leaves them when asked for no
// places in the report; the findings of a merged bracket share its range. One walk over the
// report.
std::vector<BoxRange> FindingRangesInBox(const AnalysisResult& result, std::string_view report);

// The ranges of `spans`, byte spans of `report` (the result's markInsides, as RunCheck leaves
// them when asked for no places in the report), in ascending order. One walk over the report.
std::vector<BoxRange> SpanRangesInBox(const std::vector<TextSpan>& spans, std::string_view report);
