#include "checks/further/WordFinding.h"

#include <algorithm>
#include <string>

void AddWordFinding(std::vector<Finding>& findings, FindingCode code, std::string_view label,
                    std::string_view text, int start, int length) {
  const std::string_view word = text.substr(start, length);
  if (std::any_of(findings.begin(), findings.end(),
                  [&](const Finding& f) { return f.code == code && f.term == word; })) {
    return;
  }
  Finding finding;
  finding.code = code;
  finding.label = label;
  finding.textStart = start;
  finding.textLength = length;
  finding.term = std::string(word);
  findings.push_back(std::move(finding));
}

namespace {

// The end of the span that `corrected` replaces at the word at `start` (`length` bytes): when
// `corrected` is the word's first half, the copies written again behind it go too.
int CorrectedEnd(std::string_view text, int start, int length, std::string_view corrected) {
  int end = start + length;
  if (2 * corrected.size() == static_cast<size_t>(length) &&
      text.compare(static_cast<size_t>(start), corrected.size(), corrected) == 0) {
    while (WordAt(text, end, corrected)) end += Size(corrected);
  }
  return end;
}

}  // namespace

void FixWord(Finding& finding, std::string corrected, std::string_view text) {
  if (corrected.empty()) return;
  const int end = CorrectedEnd(text, finding.textStart, finding.textLength, corrected);
  std::string title = TitleReplacingBy(corrected);
  finding.fix =
      MakeFix(std::move(title), finding.textStart, end - finding.textStart, std::move(corrected));
}

void FixWordAgain(std::vector<Finding>& findings, FindingCode code, std::string_view text,
                  int start, int length) {
  const std::string_view word = text.substr(start, length);
  const auto shown = std::find_if(findings.begin(), findings.end(), [&](const Finding& f) {
    return f.code == code && f.term == word;
  });
  if (shown == findings.end() || !shown->fix) return;
  std::vector<FixEdit>& edits = shown->fix->edits;
  if (start < edits.back().textStart + edits.back().textLength) return;
  FixEdit edit = edits.back();
  edit.textStart = start;
  edit.textLength = CorrectedEnd(text, start, length, edit.text) - start;
  edits.push_back(std::move(edit));
}

WordHeads::WordHeads(std::string_view chars) {
  for (size_t i = 0; i + 2 <= chars.size(); i += 2) {
    const auto lead = static_cast<unsigned char>(chars[i]);
    if (lead >= 0x80) has_[(lead - 0x80u) << 8 | static_cast<unsigned char>(chars[i + 1])] = true;
  }
}

bool WithinReferenceSlip(const std::vector<Finding>& findings, int pos) {
  return std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
    return f.code == FindingCode::kReferenceWording && f.InText() && f.textStart <= pos &&
           pos < f.textStart + f.textLength;
  });
}
