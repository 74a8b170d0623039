#include "ReportInvariants.h"

#include <string>
#include <vector>

#include "ClaimNumbering.h"
#include "ClaimRecord.h"
#include "GbkTexts.h"
#include "TextWalker.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

size_t CharBytes(std::string_view text, size_t pos) {
  return static_cast<unsigned char>(text[pos]) >= 0x80 && pos + 1 < text.size() ? 2 : 1;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The trimmed, non-empty pieces between "\r\n", searched character by character.
std::vector<std::string> SplitTrimmed(std::string_view text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  auto take = [&](size_t end) {
    const std::string_view piece = Trim(text.substr(start, end - start));
    if (!piece.empty()) pieces.emplace_back(piece);
  };
  for (size_t pos = 0; pos < text.size(); pos += CharBytes(text, pos)) {
    if (text.substr(pos, 2) == "\r\n") {
      take(pos);
      start = pos + 2;
    }
  }
  take(text.size());
  return pieces;
}

// The number of `needle` in `text`, matched at character boundaries.
int Count(std::string_view text, std::string_view needle) {
  int count = 0;
  for (size_t pos = 0; pos < text.size();) {
    if (text[pos] == needle[0] && text.compare(pos, needle.size(), needle) == 0) {
      ++count;
      pos += needle.size();
    } else {
      pos += CharBytes(text, pos);
    }
  }
  return count;
}

// `text` without the brackets that the analysis inserts.
std::string WithoutBrackets(std::string_view text) {
  std::string out;
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = CharBytes(text, pos);
    const std::string_view c = text.substr(pos, length);
    if (c != gbk::kMarkOpen && c != gbk::kMarkClose) out += c;
    pos += length;
  }
  return out;
}

std::string Join(const std::vector<std::string>& parts, size_t from) {
  std::string out;
  for (size_t i = from; i < parts.size(); ++i) {
    if (i > from) out += "\r\n";
    out += parts[i];
  }
  return out;
}

// Walks the report, expecting the pieces in order.
class ReportReader {
 public:
  explicit ReportReader(std::string_view report) : report_(report) {}
  bool Expect(std::string_view piece) {
    if (!report_.substr(pos_).starts_with(piece)) return false;
    pos_ += piece.size();
    return true;
  }
  bool AtEnd() const { return pos_ == report_.size(); }
  size_t Pos() const { return pos_; }

 private:
  std::string_view report_;
  size_t pos_ = 0;
};

struct Totals {
  int sets = 0;
  int problemClaims = 0;
  int problems = 0;
};

std::string Summary(const Totals& totals) {
  return std::string(gbk::kSummarySets) + std::to_string(totals.sets) +
         std::string(gbk::kSummaryClaims) + std::to_string(g_claims.Count()) +
         std::string(gbk::kSummaryProblemClaims) + std::to_string(totals.problemClaims) +
         std::string(gbk::kSummaryProblems) + std::to_string(totals.problems) +
         std::string(gbk::kSummaryTail) + "\r\n\r\n";
}

std::string At(const char* what, int claim, size_t pos) {
  return std::string(what) + " (claim record " + std::to_string(claim) + ", report byte " +
         std::to_string(pos) + ")";
}

// Each mark of `marks` is one problem; merged neighbours are joined by "|".
int MarkCount(std::string_view marks) {
  return marks.empty() ? 0 : Count(marks, gbk::kMarkOpen) + Count(marks, "|");
}

std::string CheckParagraphs(std::string_view normalized) {
  if (g_paragraphs != SplitTrimmed(normalized)) return "paragraphs differ from the text's lines";
  size_t first = 0;
  while (first < g_paragraphs.size() && ClaimStartNumber(g_paragraphs[first]) != 1) ++first;
  std::vector<std::string> claimTexts;
  for (const ClaimRecord& record : g_claims) claimTexts.push_back(WithoutBrackets(record.text));
  if (Join(claimTexts, 0) != Join(g_paragraphs, first)) {
    return "the claims' texts are not the paragraphs from claim 1 on";
  }
  return "";
}

std::string CheckReport(std::string_view report) {
  Totals totals;
  for (const ClaimRecord& record : g_claims) {
    if (record.isIndependent) ++totals.sets;
    if (record.problemCount > 0) ++totals.problemClaims;
    totals.problems += record.problemCount;
  }
  ReportReader reader(report);
  if (totals.sets > 0 && !reader.Expect(Summary(totals))) {
    return "the summary does not count the claims";
  }
  int set = 0;
  int problemIndex = 0;
  for (int i = 0; i < g_claims.Count(); ++i) {
    const ClaimRecord& record = g_claims[i];
    if (record.isIndependent &&
        !reader.Expect(std::string(gbk::kSetHeaderHead) + std::to_string(++set) +
                       std::string(gbk::kSetHeaderTail))) {
      return At("missing set header", i, reader.Pos());
    }
    const std::string star = std::string(gbk::kProblemTag) + std::to_string(totals.problemClaims) +
                             "-" + std::to_string(problemIndex + 1) + "]";
    const bool starred = record.head.starts_with(star);
    if (starred != (record.problemCount > 0)) return At("problem number wrong", i, reader.Pos());
    if (starred) ++problemIndex;
    // The subject in the head is the user's own text and may hold anything, "★[Err" too; the
    // kind tag comes right after the problem number.
    const std::string_view kindTag =
        record.isIndependent ? gbk::kTagIndependent : gbk::kTagDependent;
    if (!std::string_view(record.head).substr(starred ? star.size() : 0).starts_with(kindTag)) {
      return At("head does not open with the kind tag", i, reader.Pos());
    }
    if (record.problemCount != Count(record.text, gbk::kMarkOpen) + MarkCount(record.marks)) {
      return At("problem count differs from the marks", i, reader.Pos());
    }
    if (Count(record.text, gbk::kMarkOpen) != Count(record.text, gbk::kMarkClose)) {
      return At("unbalanced brackets in the text", i, reader.Pos());
    }
    if (!reader.Expect(record.head) || !reader.Expect(record.marks) || !reader.Expect(" ") ||
        !reader.Expect(record.text) || !reader.Expect("\r\n\r\n")) {
      return At("claim block differs from the record", i, reader.Pos());
    }
  }
  if (totals.sets > 0 && !reader.Expect(gbk::kClosingLine)) return "missing closing line";
  if (!reader.AtEnd()) return "text after the last claim block";
  return "";
}

// The byte at which code point `count` of the text begins.
size_t ByteOfCodePoint(std::string_view text, int32_t count) {
  size_t byte = 0;
  for (int32_t i = 0; i < count && byte < text.size(); ++i) byte += Gb18030CharLength(text, byte);
  return byte;
}

// The result holds what the report shows: as many findings as problems, each claim's findings
// in its problem count, each finding's report place the inside of a bracket holding its mark's
// inside, and a place in the box's text.
std::string CheckResult(const CheckOutcome& outcome) {
  const AnalysisResult& result = outcome.result;
  if (static_cast<int>(result.claims.size()) != g_claims.Count()) return "result claims differ";
  int32_t findings = 0;
  for (int pos = 0; pos < g_claims.Count(); ++pos) {
    const ClaimResult& claim = result.claims[pos];
    const auto count = static_cast<int32_t>(claim.findings.size());
    if (count != g_claims[pos].problemCount) return "findings differ from the problem count";
    if ((claim.problemNumber > 0) != (count > 0)) return "problem number without findings";
    findings += count;
    for (const Finding& finding : claim.findings) {
      if (finding.place.line < 1 || finding.place.column < 1) return "finding not located";
      const size_t start = ByteOfCodePoint(outcome.shownText, finding.reportStart);
      const size_t end = ByteOfCodePoint(outcome.shownText, finding.reportStart + finding.reportLength);
      const std::string_view report = outcome.shownText;
      const std::string_view mark = finding.mark;
      const std::string_view inside = mark.substr(2, mark.size() - 4);
      if (start < 2 || report.substr(start - 2, 2) != gbk::kMarkOpen ||
          report.substr(end, 2) != gbk::kMarkClose ||
          report.substr(start, end - start).find(inside) == std::string_view::npos) {
        return "finding's report place is not its bracket";
      }
    }
  }
  if (findings != result.problems) return "findings differ from the problems counted";
  return {};
}

}  // namespace

std::string FindBrokenRule(std::string_view boxText, const CheckOutcome& outcome) {
  const std::string normalized = NormalizeClaimsText(boxText);
  if (!outcome.checked) {
    if (g_claims.Count() != 0) return "claims recorded but not checked";
    return outcome.shownText == normalized ? "" : "unchecked text is not the normalised text";
  }
  if (g_claims.Count() == 0) return "checked without a claim";
  if (std::string broken = CheckParagraphs(normalized); !broken.empty()) return broken;
  if (std::string broken = CheckReport(outcome.shownText); !broken.empty()) return broken;
  return CheckResult(outcome);
}
