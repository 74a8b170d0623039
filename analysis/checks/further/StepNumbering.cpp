#include "checks/further/StepNumbering.h"

#include <algorithm>

#include "checks/further/StepLabels.h"
#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

constexpr int kMaxAncestors = 64;
constexpr int kForms = 5;

int PowerOfTen(int zeros) {
  int power = 1;
  while (zeros-- > 0) power *= 10;
  return power;
}

int TrailingZeros(std::string_view digits) {
  int zeros = 0;
  while (zeros + 1 < Size(digits) && digits[Size(digits) - 1 - zeros] == '0') ++zeros;
  return zeros;
}

// True when `next` follows `last` in one list.
bool Follows(const StepLabel& last, const StepLabel& next) {
  if (next.value == last.value + 1) return true;
  if (last.form != StepForm::kLettered) return false;
  // "S10" then "S20", "S100" then "S110" or "S200".
  const int zeros = TrailingZeros(last.number);
  for (int place = 1; place <= zeros; ++place) {
    if (next.value == last.value + PowerOfTen(place)) return true;
  }
  return false;
}

// True when `next` opens a list within the step `last`.
bool OpensWithin(const StepLabel& last, const StepLabel& next) {
  if (last.form != StepForm::kLettered) return next.value == 1;
  // "S2" then "S21" or "S201", "S50" then "S51".
  const std::string_view stem = last.number.substr(0, Size(last.number) - TrailingZeros(last.number));
  return Size(next.number) > Size(stem) && next.number.substr(0, stem.size()) == stem;
}

// The labels of one form that open steps, out of their order: each against the open lists, the
// innermost last.
void CheckOrder(const std::vector<StepLabel>& labels, StepForm form, std::string_view text,
                std::vector<Finding>& findings) {
  std::vector<StepLabel> open;
  for (const StepLabel& label : labels) {
    if (label.form != form || !label.opensStep) continue;
    if (open.empty() || OpensWithin(open.back(), label)) {
      open.push_back(label);
      continue;
    }
    const auto outer = std::find_if(open.rbegin(), open.rend(),
                                    [&](const StepLabel& last) { return Follows(last, label); });
    // Another branch that goes on from an earlier step (a second "第三步" after "第二步" and a
    // first branch's steps three to nine) is no slip; the same number again is.
    const bool branch =
        label.value < open.back().value &&
        std::any_of(labels.begin(), labels.end(), [&](const StepLabel& earlier) {
          return earlier.form == form && earlier.opensStep && earlier.start < label.start &&
                 Follows(earlier, label);
        });
    if (outer == open.rend() && !branch) {
      AddWordFinding(findings, FindingCode::kStepNumbering, Severity::kReview, gbk::kLabelStepGap,
                     text, label.numberStart, label.start + label.length - label.numberStart);
      open.back() = label;  // numbered on from here: one slip, one finding
      continue;
    }
    if (outer != open.rend()) open.erase(outer.base(), open.end());
    open.back() = label;
  }
}

bool IsReference(const StepLabel& label) { return label.named && !label.opensStep; }

bool Bears(const std::vector<StepLabel>& labels, int value, bool referencesCount) {
  return std::any_of(labels.begin(), labels.end(), [&](const StepLabel& label) {
    return label.value == value && (referencesCount || !IsReference(label));
  });
}

// The claims `record` depends on, to any depth, as positions in g_claims; false when they are
// more than kMaxAncestors or a parent was not read.
bool Ancestors(const ClaimRecord& record, std::vector<int>& ancestors) {
  if (!record.isIndependent && record.parentIndices.empty()) return false;
  std::vector<int> pending(record.parentIndices.begin(), record.parentIndices.end());
  while (!pending.empty()) {
    const int pos = pending.back();
    pending.pop_back();
    if (std::find(ancestors.begin(), ancestors.end(), pos) != ancestors.end()) continue;
    if (static_cast<int>(ancestors.size()) >= kMaxAncestors) return false;
    ancestors.push_back(pos);
    const ClaimRecord& parent = g_claims[pos];
    if (!parent.isIndependent && parent.parentIndices.empty()) return false;
    pending.insert(pending.end(), parent.parentIndices.begin(), parent.parentIndices.end());
  }
  return true;
}

// True when the text cites a claim by number: an independent claim that does ("由权利要求1所述
// 方法制得") may take its steps from there.
bool CitesClaim(const ClaimRecord& record, std::string_view text) {
  return record.isIndependent && Contains(text, gbk::kClaimWord);
}

void CheckDefined(const ClaimRecord& record, const std::vector<StepLabel>& labels,
                  std::string_view text, std::vector<Finding>& findings) {
  std::vector<const StepLabel*> undefined;
  for (const StepLabel& label : labels) {
    if (IsReference(label) && !Bears(labels, label.value, false)) undefined.push_back(&label);
  }
  if (undefined.empty() || CitesClaim(record, text)) return;
  std::vector<int> ancestors;
  if (!Ancestors(record, ancestors)) return;
  std::vector<std::vector<StepLabel>> theirs;
  for (int pos : ancestors) theirs.push_back(ReadStepLabels(g_claims[pos].text));
  for (const StepLabel* label : undefined) {
    if (std::any_of(theirs.begin(), theirs.end(), [&](const std::vector<StepLabel>& other) {
          return Bears(other, label->value, true);
        })) {
      continue;
    }
    AddWordFinding(findings, FindingCode::kStepNumbering, Severity::kReview,
                   gbk::kLabelStepUndefined, text, label->start, label->length);
  }
}

}  // namespace

void CheckStepNumbering(const ClaimRecord& record, std::string_view text,
                        std::vector<Finding>& findings) {
  const std::vector<StepLabel> labels = ReadStepLabels(text);
  if (labels.empty()) return;
  for (int form = 0; form < kForms; ++form) {
    CheckOrder(labels, static_cast<StepForm>(form), text, findings);
  }
  CheckDefined(record, labels, text, findings);
}
