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

void FixWord(Finding& finding, std::string corrected, std::string_view text) {
  if (corrected.empty()) return;
  int end = finding.textStart + finding.textLength;
  if (2 * corrected.size() == static_cast<size_t>(finding.textLength) &&
      text.compare(static_cast<size_t>(finding.textStart), corrected.size(), corrected) == 0) {
    while (WordAt(text, end, corrected)) end += Size(corrected);
  }
  std::string title = TitleReplacingBy(corrected);
  finding.fix =
      MakeFix(std::move(title), finding.textStart, end - finding.textStart, std::move(corrected));
}

bool WithinReferenceSlip(const std::vector<Finding>& findings, int pos) {
  return std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
    return f.code == FindingCode::kReferenceWording && f.InText() && f.textStart <= pos &&
           pos < f.textStart + f.textLength;
  });
}
