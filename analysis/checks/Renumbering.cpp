#include "checks/Renumbering.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "claims/ClaimNumbering.h"
#include "claims/ClaimOpening.h"
#include "claims/ClaimRecord.h"
#include "result/Fix.h"
#include "text/FixTexts.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// A run of digits in a claim's text, and the number it spells.
struct NumberRun {
  int start = 0;
  int end = 0;
  int32_t value = 0;
};

NumberRun ReadRun(std::string_view text, int pos) {
  const int end = DigitRunEnd(text, pos);
  return {pos, end, DigitRunValue(text.substr(pos, end - pos))};
}

// The length of the list sign (alternative or cumulative) or, with `range`, the range sign at
// `pos` that a digit follows; 0 for none.
int SignBeforeDigit(std::string_view text, int pos, bool range) {
  const ListSign sign = ListSignAt(text, pos);
  if (sign.join == Join::kNone || (sign.join == Join::kRange) != range) return 0;
  const int after = pos + sign.length;
  return after < Size(text) && IsAsciiDigit(text[after]) ? sign.length : 0;
}

class Renumbering {
 public:
  Renumbering()
      : byNumber_(kMaxClaimNumber + 1),
        bearersUpTo_(kMaxClaimNumber + 2),
        risingFrom_(g_claims.Count()) {
    for (int pos = 0; pos < g_claims.Count(); ++pos) {
      byNumber_[g_claims[pos].number].push_back(pos);
      const bool rises = pos > 0 && g_claims[pos].number > g_claims[pos - 1].number;
      risingFrom_[pos] = rises ? risingFrom_[pos - 1] : pos;
    }
    for (int32_t n = 0; n <= kMaxClaimNumber; ++n) {
      bearersUpTo_[n + 1] = bearersUpTo_[n] + static_cast<int>(byNumber_[n].size());
    }
    fix_ = std::make_shared<Fix>();
    fix_->title = std::string(gbk::kTitleRenumber) + std::to_string(g_claims.Count());
  }

  // The fix, or null once a reference could not be mapped (then `refused` says why).
  FixPtr Run() {
    for (int pos = 0; pos < g_claims.Count() && refused_.empty(); ++pos) RenumberClaim(pos);
    if (!refused_.empty()) return nullptr;
    // "权利要N" is read after "权利要求N": the edits in the order of the text.
    std::stable_sort(fix_->edits.begin(), fix_->edits.end(), [](const FixEdit& a, const FixEdit& b) {
      return a.claim < b.claim || (a.claim == b.claim && a.textStart < b.textStart);
    });
    return fix_;
  }

  const std::string& refused() const { return refused_; }

 private:
  void RenumberClaim(int pos) {
    const int first = g_claims[pos].firstParagraph;
    const int next = pos + 1 < g_claims.Count() ? g_claims[pos + 1].firstParagraph
                                                : static_cast<int>(g_paragraphs.size());
    claim_ = pos;
    Rewrite(ReadRun(g_paragraphs[first], 0), 0, pos);
    int base = 0;  // the offset of the paragraph in the claim's text
    for (int p = first; p < next && refused_.empty(); ++p) {
      RewriteReferences(g_paragraphs[p], base);
      base += Size(g_paragraphs[p]) + 2;
    }
  }

  // Every reference of one paragraph: "要求" after "利" or "力", or "权利要", then digits.
  void RewriteReferences(std::string_view text, int base) {
    for (int at = FindFrom(text, gbk::kRequireWord); at != kNotFound && refused_.empty();
         at = FindFrom(text, gbk::kRequireWord, at + 2)) {
      const int after = at + Size(gbk::kRequireWord);
      const bool claimWord = at >= 2 && (HasAt(text, at - 2, gbk::kClaimWordHeadless.substr(0, 2)) ||
                                         HasAt(text, at - 2, gbk::kPowerRequire.substr(0, 2)));
      if (claimWord && after < Size(text) && IsAsciiDigit(text[after])) RewriteList(text, after, base);
    }
    for (int at = FindFrom(text, gbk::kClaimWordShort); at != kNotFound && refused_.empty();
         at = FindFrom(text, gbk::kClaimWordShort, at + 2)) {
      const int after = at + Size(gbk::kClaimWordShort);
      if (after < Size(text) && IsAsciiDigit(text[after])) RewriteList(text, after, base);
    }
  }

  void RewriteList(std::string_view text, int pos, int base) {
    while (refused_.empty()) {
      const NumberRun low = ReadRun(text, pos);
      const int rangeSign = SignBeforeDigit(text, low.end, true);
      if (rangeSign > 0) {
        const NumberRun high = ReadRun(text, low.end + rangeSign);
        RewriteRange(text, low, high, base);
        pos = high.end;
      } else {
        const int target = Target(low.value, text.substr(low.start, low.end - low.start));
        if (target >= 0) Rewrite(low, base, target);
        pos = low.end;
      }
      const int listSign = SignBeforeDigit(text, pos, false);
      if (listSign == 0) return;
      pos += listSign;
    }
  }

  void RewriteRange(std::string_view text, const NumberRun& low, const NumberRun& high, int base) {
    const std::string_view written = text.substr(low.start, high.end - low.start);
    const int first = Target(low.value, written);
    const int last = first < 0 ? -1 : Target(high.value, written);
    if (last < 0) return;
    // The claims the range meant are those between its ends, in rising order, and no others.
    const int meant = bearersUpTo_[high.value + 1] - bearersUpTo_[low.value];
    if (last <= first || risingFrom_[last] > first || meant != last - first + 1) {
      Refuse(written, gbk::kRefusedRange);
      return;
    }
    Rewrite(low, base, first);
    Rewrite(high, base, last);
  }

  // The position of the claim that `value` names from the claim being read, or -1 once refused.
  int Target(int32_t value, std::string_view written) {
    if (value < 1 || value > kMaxClaimNumber || byNumber_[value].empty()) {
      Refuse(written, gbk::kRefusedNoClaim);
      return -1;
    }
    const std::vector<int>& bearers = byNumber_[value];
    const auto earlier = std::lower_bound(bearers.begin(), bearers.end(), claim_) - bearers.begin();
    if (earlier == 1 || (earlier == 0 && bearers.size() == 1)) return bearers.front();
    Refuse(written, gbk::kRefusedTwoClaims);
    return -1;
  }

  // Writes the new number of the claim at `target` over `run` when it differs.
  void Rewrite(const NumberRun& run, int base, int target) {
    if (run.value == target + 1) return;
    FixEdit edit;
    edit.claim = claim_;
    edit.textStart = base + run.start;
    edit.textLength = run.end - run.start;
    edit.text = std::to_string(target + 1);
    fix_->edits.push_back(std::move(edit));
  }

  void Refuse(std::string_view written, std::string_view why) {
    refused_ = std::string(gbk::kClaimWord) + std::to_string(g_claims[claim_].number) +
               std::string(gbk::kRefusedCites) + std::string(written) + std::string(why);
  }

  std::vector<std::vector<int>> byNumber_;  // the positions of the claims bearing each number
  std::vector<int> bearersUpTo_;  // how many claims bear a number below each
  std::vector<int> risingFrom_;  // where the run of rising numbers that ends at each claim starts
  FixPtr fix_;
  std::string refused_;
  int claim_ = 0;  // the claim being read
};

}  // namespace

void RenumberClaims() {
  const bool gap = std::any_of(g_claims.begin(), g_claims.end(), [](const ClaimRecord& record) {
    return std::any_of(record.findings.begin(), record.findings.end(),
                       [](const Finding& f) { return f.code == FindingCode::kNumberingGap; });
  });
  // Past claim 9999 a number would open no claim.
  if (!gap || g_claims.Count() > kMaxClaimNumber) return;
  Renumbering renumbering;
  const FixPtr fix = renumbering.Run();
  for (ClaimRecord& record : g_claims) {
    for (Finding& finding : record.findings) {
      if (finding.code != FindingCode::kNumberingGap) continue;
      finding.fix = fix;
      if (!fix) finding.fixRefused = renumbering.refused();
    }
  }
}
