#include "report/BoxRanges.h"

#include "text/TextWalker.h"

namespace {

// Walks a GB18030 report forward, counting the UTF-16 units of the box's text before each byte
// asked for, in ascending order.
class BoxUnitWalker {
 public:
  explicit BoxUnitWalker(std::string_view report) : report_(report) {}

  int32_t UnitsBefore(size_t pos) {
    while (byte_ < pos && byte_ < report_.size()) {
      const auto lead = static_cast<unsigned char>(report_[byte_]);
      if (lead < 0x80) {
        // "\r\n" is the box's one "\n": its "\r" counts nothing.
        if (lead != '\r' || byte_ + 1 == report_.size() || report_[byte_ + 1] != '\n') ++units_;
        ++byte_;
        continue;
      }
      const int length = Gb18030CharLength(report_, byte_);
      // Four-byte sequences from 0x90 on are the planes beyond the first: a surrogate pair.
      units_ += length == 4 && lead >= 0x90 ? 2 : 1;
      byte_ += static_cast<size_t>(length);
    }
    return units_;
  }

 private:
  std::string_view report_;
  size_t byte_ = 0;
  int32_t units_ = 0;
};

}  // namespace

std::vector<BoxRange> FindingRangesInBox(const AnalysisResult& result, std::string_view report) {
  std::vector<BoxRange> ranges;
  BoxUnitWalker walker(report);
  for (const ClaimResult& claim : result.claims) {
    const Finding* previous = nullptr;
    for (const Finding& finding : claim.findings) {
      if (previous && previous->reportStart == finding.reportStart) {
        ranges.push_back(ranges.back());
      } else {
        const auto start = static_cast<size_t>(finding.reportStart);
        const int32_t first = walker.UnitsBefore(start);
        ranges.push_back(
            {first, walker.UnitsBefore(start + static_cast<size_t>(finding.reportLength))});
      }
      previous = &finding;
    }
  }
  return ranges;
}

std::vector<BoxRange> SpanRangesInBox(const std::vector<TextSpan>& spans, std::string_view report) {
  std::vector<BoxRange> ranges;
  ranges.reserve(spans.size());
  BoxUnitWalker walker(report);
  for (const TextSpan& span : spans) {
    const auto start = static_cast<size_t>(span.start);
    const int32_t first = walker.UnitsBefore(start);
    ranges.push_back({first, walker.UnitsBefore(start + static_cast<size_t>(span.length))});
  }
  return ranges;
}
