#include "result/Fix.h"

#include <algorithm>
#include <unordered_set>

#include "result/AnalysisResult.h"

namespace {

constexpr std::string_view kTitleOpen = "\xB8\xC4\xCE\xAA\xA1\xB0";  // 改为“
constexpr std::string_view kTitleClose = "\xA1\xB1";                // ”

int32_t EndOf(const FixEdit& edit) { return edit.source.start + edit.source.length; }

// True when the two edits cannot both go in: their spans share a byte, or one is an insertion
// at the other's start, end or inside it, where the order of the two texts would be a guess.
bool Touch(const FixEdit& a, const FixEdit& b) {
  const int32_t start = std::max(a.source.start, b.source.start);
  const int32_t end = std::min(EndOf(a), EndOf(b));
  if (a.source.length == 0 || b.source.length == 0) return start <= end;
  return start < end;
}

}  // namespace

FixPtr MakeFix(std::string title, int32_t start, int32_t length, std::string text) {
  auto fix = std::make_shared<Fix>();
  fix->title = std::move(title);
  FixEdit edit;
  edit.textStart = start;
  edit.textLength = length;
  edit.text = std::move(text);
  fix->edits.push_back(std::move(edit));
  return fix;
}

std::string TitleReplacingBy(std::string_view word) {
  std::string title(kTitleOpen);
  title.append(word).append(kTitleClose);
  return title;
}

std::vector<const Fix*> FixesOf(const AnalysisResult& result) {
  std::vector<const Fix*> fixes;
  std::unordered_set<const Fix*> seen;
  for (const ClaimResult& claim : result.claims) {
    for (const Finding& finding : claim.findings) {
      if (finding.fix && seen.insert(finding.fix.get()).second) fixes.push_back(finding.fix.get());
    }
  }
  return fixes;
}

std::vector<const FixEdit*> SelectEdits(const std::vector<const Fix*>& fixes) {
  // Taken edits in the order of the text, so that a new edit meets only its neighbours.
  std::vector<const FixEdit*> taken;
  std::unordered_set<const Fix*> seen;
  const auto byStart = [](const FixEdit* a, const FixEdit* b) {
    return a->source.start < b->source.start ||
           (a->source.start == b->source.start && a->source.length < b->source.length);
  };
  for (const Fix* fix : fixes) {
    if (!seen.insert(fix).second) continue;
    const bool clashes = std::any_of(fix->edits.begin(), fix->edits.end(), [&](const FixEdit& e) {
      const auto next = std::lower_bound(taken.begin(), taken.end(), &e, byStart);
      return (next != taken.end() && Touch(**next, e)) ||
             (next != taken.begin() && Touch(**(next - 1), e));
    });
    if (clashes) continue;
    for (const FixEdit& edit : fix->edits) {
      taken.insert(std::lower_bound(taken.begin(), taken.end(), &edit, byStart), &edit);
    }
  }
  return taken;
}

std::string ApplyEdits(std::string_view userText, const std::vector<const FixEdit*>& edits) {
  std::string fixed;
  fixed.reserve(userText.size() + 64);
  size_t copied = 0;
  for (const FixEdit* edit : edits) {
    fixed.append(userText.substr(copied, static_cast<size_t>(edit->source.start) - copied));
    fixed.append(edit->text);
    copied = static_cast<size_t>(EndOf(*edit));
  }
  fixed.append(userText.substr(std::min(copied, userText.size())));
  return fixed;
}

std::string ApplyFixes(std::string_view userText, const std::vector<const Fix*>& fixes) {
  return ApplyEdits(userText, SelectEdits(fixes));
}
