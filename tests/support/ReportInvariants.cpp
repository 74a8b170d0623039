#include "support/ReportInvariants.h"

#include <algorithm>
#include <string>
#include <vector>

#include "claims/ClaimNumbering.h"
#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"
#include "text/TextWalker.h"

namespace {

// The trimmed, non-empty pieces between "\r\n", walked character by character: a walk of its own,
// not the analysis's search.
std::vector<std::string> SplitTrimmed(std::string_view text) {
  std::vector<std::string> pieces(1);
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = text.substr(pos, 2) == "\r\n" ? 2 : CharLength(text[pos]);
    if (length == 2 && text[pos] == '\r') pieces.emplace_back();
    if (length == 1 || text[pos] != '\r') pieces.back() += text.substr(pos, length);
    pos += length;
  }
  std::vector<std::string> trimmed;
  for (const std::string& piece : pieces) {
    const size_t begin = piece.find_first_not_of(" \t\n\v\f\r");
    if (begin != std::string::npos) {
      trimmed.push_back(piece.substr(begin, piece.find_last_not_of(" \t\n\v\f\r") + 1 - begin));
    }
  }
  return trimmed;
}

std::string_view Shown(std::string_view report, TextSpan span) {
  return report.substr(static_cast<size_t>(span.start), static_cast<size_t>(span.length));
}

std::string WithoutBrackets(std::string_view text) {
  return ReplaceAll(ReplaceAll(text, gbk::kMarkOpen, ""), gbk::kMarkClose, "");
}

std::string CheckParagraphs(std::string_view normalized, std::string_view report) {
  const std::vector<std::string> lines = SplitTrimmed(normalized);
  if (!std::equal(g_paragraphs.begin(), g_paragraphs.end(), lines.begin(), lines.end())) {
    return "paragraphs differ from the text's lines";
  }
  size_t first = 0;
  while (first < g_paragraphs.size() && ClaimStartNumber(g_paragraphs[first]) != 1) ++first;
  std::string claims, paragraphs;
  for (const ClaimRecord& record : g_claims) {
    if (WithoutBrackets(Shown(report, record.bracketedText)) != record.text) {
      return "a claim's text in the report is not its text with brackets";
    }
    claims.append("\r\n").append(record.text);
  }
  for (size_t i = first; i < g_paragraphs.size(); ++i) paragraphs.append("\r\n").append(g_paragraphs[i]);
  return claims == paragraphs ? "" : "the claims' texts are not the paragraphs from claim 1 on";
}

std::string At(const char* what, int claim) {
  return std::string(what) + " (claim record " + std::to_string(claim) + ")";
}

// What is wrong with the record at `claim` as `report` shows it, the `problemIndex`th of
// `problemClaims` claims with problems when it has any, or "".
std::string CheckRecord(std::string_view report, int claim, int problemClaims, int problemIndex) {
  const ClaimRecord& record = g_claims[claim];
  const std::string star = std::string(gbk::kProblemTag) + std::to_string(problemClaims) + "-" +
                           std::to_string(problemIndex) + "]";
  const std::string_view head = Shown(report, record.head);
  const bool starred = head.starts_with(star);
  if (starred != (record.problemCount > 0)) return At("problem number wrong", claim);
  const std::string kind = std::string(record.isIndependent ? gbk::kTagIndependent
                                                            : gbk::kTagDependent) +
                           std::to_string(record.number) + "]";
  if (!head.substr(starred ? star.size() : 0).starts_with(kind)) return At("kind tag wrong", claim);
  // Each mark is one problem; merged neighbours are joined by "|".
  const std::string_view text = Shown(report, record.bracketedText);
  const std::string_view marks = Shown(report, record.marks);
  const int opened = CountOccurrences(text, gbk::kMarkOpen);
  const int merged = marks.empty() ? 0
                                   : CountOccurrences(marks, gbk::kMarkOpen) +
                                         CountOccurrences(marks, "|");
  if (record.problemCount != opened + merged) {
    return At("problem count differs from the marks", claim);
  }
  if (opened != CountOccurrences(text, gbk::kMarkClose)) {
    return At("unbalanced brackets in the text", claim);
  }
  return "";
}

std::string CheckReport(std::string_view report) {
  int sets = 0, problemClaims = 0, problems = 0;
  for (const ClaimRecord& record : g_claims) {
    sets += record.isIndependent;
    problemClaims += record.problemCount > 0;
    problems += record.problemCount;
  }
  std::string expected;
  if (sets > 0) {
    expected.append(gbk::kSummarySets).append(std::to_string(sets));
    expected.append(gbk::kSummaryClaims).append(std::to_string(g_claims.Count()));
    expected.append(gbk::kSummaryProblemClaims).append(std::to_string(problemClaims));
    expected.append(gbk::kSummaryProblems).append(std::to_string(problems));
    expected.append(gbk::kSummaryTail).append("\r\n\r\n");
  }
  int set = 0, problemIndex = 0;
  for (int i = 0; i < g_claims.Count(); ++i) {
    const ClaimRecord& record = g_claims[i];
    if (record.problemCount > 0) ++problemIndex;
    if (std::string broken = CheckRecord(report, i, problemClaims, problemIndex);
        !broken.empty()) {
      return broken;
    }
    if (record.isIndependent) {
      expected.append(gbk::kSetHeaderHead).append(std::to_string(++set));
      expected.append(gbk::kSetHeaderTail);
    }
    // The record's parts must tile the report: each stands where the layout puts it.
    if (static_cast<size_t>(record.head.start) != expected.size()) {
      return At("head not where the report shows it", i);
    }
    if (record.marks.start != record.head.start + record.head.length) {
      return At("marks not after the head", i);
    }
    expected.append(Shown(report, record.head)).append(Shown(report, record.marks)).append(" ");
    if (static_cast<size_t>(record.bracketedText.start) != expected.size()) {
      return At("text not where the report shows it", i);
    }
    expected.append(Shown(report, record.bracketedText)).append("\r\n\r\n");
  }
  if (sets > 0) expected.append(gbk::kClosingLine);
  if (report == expected) return "";
  const auto differ = std::mismatch(report.begin(), report.end(), expected.begin(), expected.end());
  return "the report is not its summary, set headers, claim blocks and closing line (byte " +
         std::to_string(differ.first - report.begin()) + ")";
}

// The byte at which code point `count` of the text begins.
size_t ByteOfCodePoint(std::string_view text, int32_t count) {
  size_t byte = 0;
  for (int32_t i = 0; i < count && byte < text.size(); ++i) byte += Gb18030CharLength(text, byte);
  return byte;
}

// The bytes of the line break at byte `i` of `text`, or 0: a lone "\r", "\n", "\v", "\f" or one of
// the engine's other line breaks ("\r\n" breaks at its "\n").
size_t LineBreakAt(std::string_view text, size_t i) {
  if (text.substr(i, 2) == "\r\n") return 0;
  if (std::string_view("\r\n\v\f").find(text[i]) != std::string_view::npos) return 1;
  for (std::string_view lineBreak : gbk::kOtherLineBreaks) {
    if (text.substr(i, lineBreak.size()) == lineBreak) return lineBreak.size();
  }
  return 0;
}

// The byte of `text` at a place, walking a character at a time and counting every line break as
// one; npos past the end of the text.
size_t ByteOfPlace(std::string_view text, TextPlace place) {
  TextPlace at{1, 1};
  for (size_t i = 0; i < text.size();) {
    if (at.line == place.line && at.column == place.column) return i;
    const size_t lineBreak = LineBreakAt(text, i);
    i += lineBreak != 0 ? lineBreak : static_cast<size_t>(Gb18030CharLength(text, i));
    ++at.column;
    if (lineBreak != 0) at = {at.line + 1, 1};
  }
  return std::string_view::npos;
}

bool HoldsAt(std::string_view text, size_t pos, std::string_view what) {
  return pos < text.size() && text.substr(pos, what.size()) == what;
}

// The insides of the brackets as the classic colouring finds them, walking the report's
// characters: the text between an "【" and the next "】", the walk going on behind that "】" and
// stopping at a "】" with no "【" before it or with nothing inside.
std::vector<std::pair<size_t, size_t>> ColouredInsides(std::string_view report) {
  std::vector<std::pair<size_t, size_t>> insides;
  size_t open = std::string_view::npos;
  for (size_t i = 0; i < report.size(); i += static_cast<size_t>(Gb18030CharLength(report, i))) {
    if (HoldsAt(report, i, gbk::kMarkOpen) && open == std::string_view::npos) {
      open = i + gbk::kMarkOpen.size();
    } else if (HoldsAt(report, i, gbk::kMarkClose)) {
      if (open == std::string_view::npos || open == i) break;
      insides.emplace_back(open, i);
      open = std::string_view::npos;
    }
  }
  return insides;
}

// The result's red ranges are exactly what the classic colouring finds in the report.
std::string CheckMarkInsides(const CheckOutcome& outcome) {
  const std::string_view report = outcome.shownText;
  std::vector<std::pair<size_t, size_t>> recorded;
  for (const TextSpan& inside : outcome.result.markInsides) {
    recorded.emplace_back(ByteOfCodePoint(report, inside.start),
                          ByteOfCodePoint(report, inside.start + inside.length));
  }
  return recorded == ColouredInsides(report) ? "" : "red ranges differ from the report's brackets";
}

// Where the claim and its findings stand in the box's text: the claim at its paragraph's first
// character, a finding about the claim as a whole with it, an antecedent finding at its "所".
std::string CheckPlaces(std::string_view boxText, const ClaimResult& claim) {
  const std::string_view paragraph = g_paragraphs[claim.firstParagraph];
  // The number's first digit as typed: normalised, the paragraph's first character.
  const size_t number = ByteOfPlace(boxText, claim.place);
  if (number >= boxText.size() ||
      !NormalizeClaimsText(boxText.substr(number, Gb18030CharLength(boxText, number)))
           .starts_with(paragraph.substr(0, 1))) {
    return "claim not placed at its number";
  }
  for (const Finding& finding : claim.findings) {
    if (!finding.InText() &&
        (finding.place.line != claim.place.line || finding.place.column != claim.place.column)) {
      return "finding about a claim not placed with it";
    }
    if (finding.code == FindingCode::kAntecedent &&
        !HoldsAt(boxText, ByteOfPlace(boxText, finding.place), gbk::kSaid.substr(0, 2))) {
      return "antecedent finding not placed at its \"所\"";
    }
  }
  return {};
}

// The result holds what the report shows: as many findings as problems, each claim's findings
// in its problem count, each finding's report place the inside of a bracket holding its mark's
// inside, and every place in the box's text where it belongs.
std::string CheckResult(std::string_view boxText, const CheckOutcome& outcome) {
  const AnalysisResult& result = outcome.result;
  if (static_cast<int>(result.claims.size()) != g_claims.Count()) return "result claims differ";
  int32_t findings = 0;
  for (int pos = 0; pos < g_claims.Count(); ++pos) {
    const ClaimResult& claim = result.claims[pos];
    const auto count = static_cast<int32_t>(claim.findings.size());
    if (count != g_claims[pos].problemCount) return "findings differ from the problem count";
    if ((claim.problemNumber > 0) != (count > 0)) return "problem number without findings";
    findings += count;
    if (std::string broken = CheckPlaces(boxText, claim); !broken.empty()) return broken;
    for (const Finding& finding : claim.findings) {
      if (finding.place.line < 1 || finding.place.column < 1) return "finding not located";
      const size_t start = ByteOfCodePoint(outcome.shownText, finding.reportStart);
      const size_t end =
          ByteOfCodePoint(outcome.shownText, finding.reportStart + finding.reportLength);
      const std::string_view report = outcome.shownText;
      const std::string inside = InsideOfMark(finding);
      if (start < 2 || report.substr(start - 2, 2) != gbk::kMarkOpen ||
          report.substr(end, 2) != gbk::kMarkClose ||
          report.substr(start, end - start).find(inside) == std::string_view::npos) {
        return "finding's report place is not its bracket";
      }
    }
  }
  if (findings != result.problems) return "findings differ from the problems counted";
  return CheckMarkInsides(outcome);
}

}  // namespace

std::string FindBrokenRule(std::string_view boxText, const CheckOutcome& outcome) {
  const std::string normalized = NormalizeClaimsText(boxText);
  if (!outcome.checked) {
    if (g_claims.Count() != 0) return "claims recorded but not checked";
    return outcome.shownText == normalized ? "" : "unchecked text is not the normalised text";
  }
  if (g_claims.Count() == 0) return "checked without a claim";
  if (std::string broken = CheckParagraphs(normalized, outcome.shownText); !broken.empty()) {
    return broken;
  }
  if (std::string broken = CheckReport(outcome.shownText); !broken.empty()) return broken;
  return CheckResult(boxText, outcome);
}
