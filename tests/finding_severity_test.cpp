// The severity rules: the gravity of each code, lowered to a note where the engine is unsure of
// its own reading of the claim, and one finding for one cause; and the review's reading of the
// references the report leaves unread, with the multiple dependency and subjects it checks on them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckCommand.h"
#include "claims/ReviewedReferences.h"
#include "support/TestText.h"

namespace {

// "code:severity" of each finding of the last claim of `claims` (UTF-8), checked with review
// unless told otherwise.
std::vector<std::string> SeveritiesOfLast(const std::vector<std::string>& claims,
                                          bool review = true) {
  const CheckOutcome outcome = RunCheck(GbkParagraphs(claims), {.review = review});
  std::vector<std::string> found;
  if (outcome.result.claims.empty()) return found;
  for (const Finding& f : outcome.result.claims.back().findings) {
    found.push_back(std::string(FindingCodeName(f.code)) + ":" +
                    std::string(SeverityName(f.severity)));
  }
  return found;
}

TEST(FindingSeverity, GravityLoweredWhereTheReadingIsUnsure) {
  const std::string one = "1.一种装置，其特征在于，包括A。";
  // clang-format off
  const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
      // A reference the report cannot read is a defect, unless it is a correct form it does not
      // know; "之一" makes one finding, with or without the review; a slip the review names in
      // the opening is the one finding, the report's mark its consequence.
      {{one, "2.根据权利要求1述的装置，其特征在于，B。"},
       {"reference-format:note", "no-subject:note", "reference-wording:fix"}},
      {{one, "2.根据权利要求所述的装置，其特征在于，B。"},
       {"reference-format:note", "reference-unnumbered:fix"}},
      {{one, "2.根据权利要求1所述的装置，其特征在于，B。", "3.如权利要求1～2之一所述的装置，其特征在于，C。"},
       {"reference-format:note"}},
      {{one, "2.根据权利要求1或权利要求2所述的装置，其特征在于，B。"},
       {"reference-format:note"}},
      // A dependent claim that names nothing after its reference, and one whose subject is there
      // but not read.
      {{one, "2.根据权利要求1，其特征在于，B。"}, {"reference-format:fix", "no-subject:review"}},
      {{one, "2.根据权利要求1所述的装置其特征在于，B。"}, {"no-subject:note"}},
      // A missing "其特征在于": worth a look on an independent claim, a note where it cites a
      // claim, is dependent, or says it in other words ("其特征是", "该装置的特征在于").
      {{"1.一种装置，包括A。"}, {"no-characterising-phrase:review"}},
      {{"1.一种装置，该装置的特征在于，包括A。"}, {"no-characterising-phrase:note"}},
      {{"1.一种装置，包括权利要求书中的A。"},
       {"suspected-independent:note", "no-characterising-phrase:note"}},
      {{"1.一种装置，其特征是，包括A。"}, {"no-characterising-phrase:note"}},
      {{one, "2.根据权利要求1所述的装置，包括B。"}, {"no-characterising-phrase:note"}},
      // No full stop: a defect, unless a formula or a table was to follow.
      {{"1.一种装置，其特征在于，包括A"}, {"no-full-stop:fix"}},
      {{"1.一种化合物，其特征在于，具有如下结构式："}, {"no-full-stop:review"}},
      {{"1.一种化合物，其特征在于，如式(I)"}, {"no-full-stop:review"}},
      {{"1.一种化合物，其特征在于，选自通式(1-3)"}, {"no-full-stop:review"}},
      {{"1.一种装置，其特征在于，包括吸盘(6)"}, {"no-full-stop:fix"}},
      {{"1.一种装置，其特征在于，包括壳体(高强度钢材料)"}, {"no-full-stop:fix"}},
      // A correct reference the report read as independent (a notice on the reading), and a
      // mistyped one.
      {{one, "2.按照权利要求1所述的装置，其特征在于，B。"}, {"reference-wording:note"}},
      {{one, "2.如权力要求1所述的装置，其特征在于，B。"}, {"reference-wording:fix"}},
      // A claim the report reads as part of the one before, as it opens with a letter, a digit
      // or "(" after its number: the gap, the missing parent and the second full stop are the
      // reading's; a true gap, a parent truly missing and two full stops are not.
      {{"1.一种分子筛，其特征在于，含A。", "2.CHA型分子筛的合成方法，包括B。",
        "3.根据权利要求2所述的合成方法，其特征在于，C。"},
       {"numbering-gap:note", "parent-not-found:note"}},
      {{"1.一种分子筛，其特征在于，含A。", "(NH4)2SO4的用途。"}, {"several-full-stops:fix"}},
      {{"1.一种分子筛，其特征在于，含A。", "2.(NH4)2SO4的用途。"}, {"several-full-stops:note"}},
      {{"1.一种分子筛，其特征在于，含A。", "3.CHA型分子筛的合成方法。",
        "4.根据权利要求2所述的合成方法，其特征在于，C。"},
       {"numbering-gap:fix", "parent-not-found:fix"}},
  };
  // clang-format on
  for (const auto& [claims, severities] : cases) {
    EXPECT_EQ(SeveritiesOfLast(claims), severities) << claims.back();
  }
}

// Without the review no slip is named, and the report's mark is the one finding of a mistyped
// reference.
TEST(FindingSeverity, MistypedReferenceWithoutReview) {
  EXPECT_EQ(SeveritiesOfLast({"1.一种装置，其特征在于，包括A。", "2.根据权利要求1述的装置，其特征在于，B。"},
                             false),
            (std::vector<std::string>{"reference-format:fix", "no-subject:note"}));
}

// The review's reading of references the report leaves unread, and the multiple dependency and
// subjects it checks on them.

std::string C(int number, std::string_view refs = "") { return CleanClaim(number, refs); }

TEST(DependencyReview, ReferencesReadFromTheText) {
  const std::pair<std::string, std::vector<int32_t>> cases[] = {
      {"与权利要求1至5中任一项所述的装置", {1, 2, 3, 4, 5}},
      {"如权利要求1～3之一或权利要求7所述", {1, 2, 3, 7}},
      {"权利要求2、4或6的装置", {2, 4, 6}},
      {"根据权利要求3或3所述", {3}},
      // a range of more numbers than the text has bytes is read by its ends
      {"权利要求1-9999", {1, 9999}},
  };
  for (const auto& [text, numbers] : cases) {
    EXPECT_EQ(ReferencedClaims(Gbk(text)), numbers) << text;
  }
}

// The findings of multi-multi and subject-mismatch of every claim, with their severity
// ("multi-multi:fix"), one claim's after another, "/" between claims.
std::string DependencyFindings(const std::vector<std::string>& claims, bool review) {
  const CheckOutcome outcome = RunCheck(GbkParagraphs(claims), {.review = review});
  std::string shown;
  for (const ClaimResult& claim : outcome.result.claims) {
    if (&claim != &outcome.result.claims.front()) shown += "/";
    for (const Finding& f : claim.findings) {
      if (f.code != FindingCode::kMultiMulti && f.code != FindingCode::kSubjectMismatch) continue;
      shown += std::string(FindingCodeName(f.code)) + ":" + std::string(SeverityName(f.severity));
    }
  }
  return shown;
}

TEST(DependencyReview, UnreadReferencesAreDependentClaims) {
  const std::string method = "5.权利要求2的方法，其特征在于，包括步骤一。";
  // The claims, and their DependencyFindings with the review.
  // clang-format off
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      // an unread multiple reference on a multiple one, and one resting on the unread one
      {{C(1), C(2, "1"), C(3, "1或2"), "4.按照权利要求1～3之一所述的装置，其特征在于，包括B。"},
       "///multi-multi:fix"},
      {{C(1), C(2, "1"), "3.按照权利要求1或2所述的装置，其特征在于，包括B。", C(4, "1或3")},
       "///multi-multi:fix"},
      {{C(1), C(2, "1"), "3.如权利要求1～2之一所述的装置，其特征在于，包括B。", C(4, "1或3")},
       "///multi-multi:fix"},
      // one parent only, or the multiple claim after it: no multiple dependency
      {{C(1), C(2, "1或3"), "3.按照权利要求1所述的装置，其特征在于，包括B。"}, "//"},
      {{C(1), C(2, "1"), "3.依照权利要求1或2所述的装置，其特征在于，包括B。"}, "//"},
      // the subject the unread reference names, against its parents'
      {{C(1), C(2, "1"), "3.按照权利要求2所述的底座，其特征在于，包括B。"}, "//subject-mismatch:review"},
      {{C(1), C(2, "1"), "3.按照权利要求2所述的装置，其特征在于，包括B。"}, "//"},
      // a bare "方法" under a product is a wrong reference; a process of the product another
      // category
      {{C(1), C(2, "1"), C(3, "1"), C(4, "1"), method}, "////subject-mismatch:review"},
      {{C(1), "2.权利要求1的装置的制造方法，其特征在于，包括B。"}, "/"},
      // a mistyped reference is the claim's one finding
      {{C(1), C(2, "1"), "3.按照权利要求2述的底座，其特征在于，包括B。"}, "//"},
  };
  // clang-format on
  for (const auto& [claims, review] : cases) {
    SCOPED_TRACE(claims.back());
    EXPECT_EQ(DependencyFindings(claims, /*review=*/true), review);
    // The report's own reading finds none of these.
    const std::string none(std::count(review.begin(), review.end(), '/'), '/');
    if (claims.back().find("按照") != std::string::npos) {
      EXPECT_EQ(DependencyFindings(claims, /*review=*/false), none);
    }
  }
}

// How grave the report's own multiple dependency on a multiple dependent claim is: a defect of a
// dependent claim; debatable for a claim of another category citing the claims; a consequence
// where it comes only through the claim's reference to itself, which is the defect.
TEST(DependencyReview, MultiMultiSeverity) {
  const std::vector<std::string> products = {C(1), C(2, "1"), C(3, "1或2")};
  const std::pair<std::string, std::string> cases[] = {
      {C(4, "1-3任一项"), "multi-multi:fix"},
      {"4.根据权利要求1-3任一项所述的装置的制作方法，其特征在于，包括B。",
       "multi-multi:reviewsubject-mismatch:note"},
      {"4.根据权利要求1-3任一项所述的方法制备得到的装置，其特征在于，包括B。",
       "multi-multi:reviewsubject-mismatch:note"},
      // a claim that is all subject, none read
      {"4.根据权利要求1-3任一项所述的方法制备得到的材料。", "multi-multi:review"},
      // claim 3 read by the review alone ("或权利要求2") is multiple dependent all the same
      {"4.根据权利要求2或权利要求3所述的装置，其特征在于，包括B。", "multi-multi:fix"},
  };
  for (const auto& [last, severity] : cases) {
    std::vector<std::string> claims = products;
    claims.push_back(last);
    EXPECT_EQ(DependencyFindings(claims, /*review=*/true), "///" + severity) << last;
  }
  const std::vector<std::string> selfCited = {C(1), C(2, "1"), C(3, "1"),
                                              "4.根据权利要求2-4任一项所述的装置，其特征在于，包括B。"};
  EXPECT_EQ(DependencyFindings(selfCited, /*review=*/true), "///multi-multi:note");
  const std::vector<std::string> unreadParent = {
      C(1), C(2, "1"), "3.根据权利要求1或权利要求2所述的装置，其特征在于，包括B。",
      "4.根据权利要求1-4任一项所述的装置，其特征在于，包括B。"};
  EXPECT_EQ(DependencyFindings(unreadParent, /*review=*/true), "///multi-multi:fix");
}

// A method limiting a step that no claim it rests on has ("所述步骤(3)" under a product claim)
// points to a wrong reference number, not to another category.
TEST(DependencyReview, StepOnlyAnotherClaimHas) {
  const std::vector<std::string> claims = {
      C(1), "2.一种装置的制备方法，包括以下步骤：(1)混合；(2)烘干；(3)压制。",
      "3.根据权利要求1所述的装置的制备方法，其特征在于，所述步骤(3)中压力为5MPa。"};
  EXPECT_EQ(DependencyFindings(claims, /*review=*/true), "//subject-mismatch:review");
  EXPECT_EQ(DependencyFindings(claims, /*review=*/false), "//subject-mismatch:note");
}

}  // namespace
