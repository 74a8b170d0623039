#include "checks/further/WordFinding.h"

#include <algorithm>
#include <string>

void AddWordFinding(std::vector<Finding>& findings, FindingCode code, Severity severity,
                    std::string_view label, std::string_view text, int start, int length) {
  const std::string_view word = text.substr(start, length);
  if (std::any_of(findings.begin(), findings.end(),
                  [&](const Finding& f) { return f.code == code && f.term == word; })) {
    return;
  }
  Finding finding;
  finding.code = code;
  finding.severity = severity;
  finding.label = label;
  finding.textStart = start;
  finding.textLength = length;
  finding.term = std::string(word);
  findings.push_back(std::move(finding));
}

bool WithinReferenceSlip(const std::vector<Finding>& findings, int pos) {
  return std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
    return f.code == FindingCode::kReferenceWording && f.InText() && f.textStart <= pos &&
           pos < f.textStart + f.textLength;
  });
}
