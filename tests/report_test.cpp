// What the report gives the front ends: the saved report (the page a drafter sends on, and the text
// file under its count), the findings' ranges in the box, their explanations and the status line,
// and the reviewed copy's plan.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckCommand.h"
#include "report/BoxRanges.h"
#include "report/FindingTexts.h"
#include "report/ReviewPlan.h"
#include "report/SavedReport.h"
#include "support/TestText.h"

namespace {

const std::string kCup =
    "1.一种杯子，其特征在于，包括杯体和杯盖。\r\n"
    "2.根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。\r\n"
    "4.根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形";

// What stands between each `before` in `text` and the next `after`.
std::vector<std::string> Between(const std::string& text, const std::string& before,
                                 const std::string& after) {
  std::vector<std::string> found;
  for (size_t at = text.find(before); at != std::string::npos; at = text.find(before, at)) {
    at += before.size();
    const size_t end = text.find(after, at);
    if (end == std::string::npos) break;
    found.push_back(text.substr(at, end - at));
    at = end;
  }
  return found;
}

const std::string kRed = "<span class=\"mark\" style=\"color: #ff0000\">";

struct Saved {
  std::string html;    // UTF-8
  std::string text;    // UTF-8
  std::string report;  // the box's text, UTF-8 with "\n" line breaks
};

// Checks `box` (UTF-8) as the window does and saves it; `keepResult` false saves it as a box that
// no longer holds the check's report.
Saved CheckAndSave(const std::string& box, bool keepResult = true, bool review = false,
                   const std::string& fileName = "") {
  const CheckOutcome outcome = RunCheck(Gbk(box), {.review = review}, kPlacesNone);
  const std::string name = Gbk(fileName);
  const SavedReportSource source{.text = outcome.shownText,
                                 .result = keepResult ? &outcome.result : nullptr,
                                 .fileName = name,
                                 .savedAt = 1'800'000'000,  // 2027-01-15
                                 .version = "9.8"};
  std::string report = Utf8(outcome.shownText);
  std::erase(report, '\r');
  return {Utf8(SavedReportHtml(source)), Utf8(SavedReportText(source)), report};
}

TEST(SavedReport, WorkedExampleHasTheHeadTheCountsAndTheTable) {
  const Saved saved = CheckAndSave(kCup, true, false, "claims.txt");
  const std::string& html = saved.html;
  EXPECT_EQ(Between(html, "<title>", "</title>"),
            std::vector<std::string>{"权利要求书形式检查报告"});
  EXPECT_EQ(Between(html, "<h1>", "</h1>"), std::vector<std::string>{"权利要求书形式检查报告"});
  EXPECT_NE(html.find("文件：claims.txt"), std::string::npos);
  const std::vector<std::string> date = Between(html, "日期：", "<br>");
  ASSERT_EQ(date.size(), 1U);
  EXPECT_TRUE(date[0].starts_with("2027-01-1") && date[0].size() == 16) << date[0];
  EXPECT_NE(html.find("程序：Quillex 9.8"), std::string::npos);
  EXPECT_EQ(Between(html, "<p class=\"summary\">", "</p>"),
            std::vector<std::string>{"● 需修改 2 · ▲ 请复核 1 · ○ 提示 0"});
  // One row per finding in the order of the claims: claim, severity, mark, explanation.
  EXPECT_EQ(Between(html, "\"><td>", "</tr>"),
            (std::vector<std::string>{
                "<a href=\"#claim-1\">2</a></td><td>▲ 请复核</td><td>所述</td>"
                "<td>“手柄”缺乏引用基础</td>",
                "<a href=\"#claim-2\">4</a></td><td>● 需修改</td><td>本权编号与前不连续</td>"
                "<td>编号与前一条权利要求不连续</td>",
                "<a href=\"#claim-2\">4</a></td><td>● 需修改</td><td>缺句号</td>"
                "<td>缺少句号“。”</td>"}));
  // Each link lands on its claim's head, the marks are red as in the box.
  EXPECT_EQ(Between(html, "\"></a>", "[从权"),
            (std::vector<std::string>{"★[Err2-1]", "★[Err2-2]"}));
  EXPECT_EQ(Between(html, kRed, "</span>"),
            (std::vector<std::string>{" ", "所述", "本权编号与前不连续|缺句号"}));
  EXPECT_NE(html.find("thead { display: table-header-group; }"), std::string::npos);
  EXPECT_EQ(html.find('\r'), std::string::npos);
}

// Whatever the claims or the file's name hold, the page's structure stays the page's.
TEST(SavedReport, EscapesEveryTextItShows) {
  const Saved saved = CheckAndSave(
      kCup + "\r\n5.根据权利要求1所述的杯子，其中x<5&y>\"2\"</pre><script>。", true, false,
      "<b>&.txt");
  EXPECT_NE(saved.html.find("x&lt;5&amp;y&gt;&quot;2&quot;&lt;/pre&gt;&lt;script&gt;"),
            std::string::npos);
  EXPECT_NE(saved.html.find("文件：&lt;b&gt;&amp;.txt"), std::string::npos);
  EXPECT_EQ(saved.html.find("<script"), std::string::npos);
  EXPECT_EQ(saved.html.find("<b>"), std::string::npos);
  EXPECT_EQ(Between(saved.html, "</pre", ">").size(), 1U);
}

struct BoxCase {
  const char* name;
  std::string box;
  bool keepResult;
  bool review;
  std::string count;                    // the saved text's line above the report, "" for none
  std::vector<std::string> red;         // the page's red elements
  std::vector<std::string> tableLines;  // what stands under 问题一览 ("" when no heading)
};

// With a result, the text is the box's under the count, and nothing of the box is lost.
TEST(SavedReport, EachStateOfTheBox) {
  const std::vector<std::string> cupRed = {" ", "所述", "本权编号与前不连续|缺句号"};
  const BoxCase cases[] = {
      {"clean", "1.一种杯子，其特征在于，包括杯体。", true, false,
       "● 需修改 0 · ▲ 请复核 0 · ○ 提示 0", {" "}, {"<p>未发现问题。</p>"}},
      {"further checks", "1.一种杯子，其特征在于，杯体优选为陶瓷。", true, true,
       "● 需修改 1 · ▲ 请复核 0 · ○ 提示 0", {" ", "用语不确定：优选"}, {"<table>"}},
      // Edited or replaced: no count and no table, the brackets still red.
      {"edited report", kCup, false, false, "", cupRed, {}},
      {"no claim 1", "权利要求书\r\n一种杯子。", true, false, "", {}, {}},
  };
  for (const BoxCase& c : cases) {
    const Saved saved = CheckAndSave(c.box, c.keepResult, c.review);
    EXPECT_EQ(saved.text, (c.count.empty() ? "" : c.count + "\n\n") + saved.report) << c.name;
    EXPECT_EQ(Between(saved.html, kRed, "</span>"), c.red) << c.name;
    EXPECT_EQ(Between(saved.html, "<h2>问题一览</h2>\n", "\n"), c.tableLines) << c.name;
  }
}

// Where the findings lie in the report as a text box holds it, in UTF-16 units.

// The report as a box holds it: UTF-16, each "\r\n" one "\n".
std::u16string BoxText(const std::string& report) {
  std::string utf8 = Utf8(report);
  for (size_t at = utf8.find("\r\n"); at != std::string::npos; at = utf8.find("\r\n", at)) {
    utf8.erase(at, 1);
  }
  return Utf16(utf8);
}

TEST(BoxRanges, EachFindingAtTheInsideOfItsBracket) {
  // Characters outside the first plane count two units, four-byte ones inside it one, and every
  // line break of the report one.
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"1.一种\U00020000杯，其特征在于，所述手柄。\r\n2.根据权利要求1所述的杯，其特征在于，"
       "\u0080\U0001F600所述杯盖",
       {"不能识别本权项主题", "所述", "不能识别本权项主题|缺句号", "不能识别本权项主题|缺句号",
        "所述"}},
      {"1.一种杯子，其特征在于，包括杯体。\r\n2.根据权利要求1所述的杯子，其特征在于，所述手柄(3)为陶瓷。"
       "\r\n4.根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形",
       {"所述手柄(3)", "本权编号与前不连续|缺句号", "本权编号与前不连续|缺句号"}},
  };
  for (const auto& [box, insides] : cases) {
    const CheckOutcome outcome = RunCheck(Gbk(box), {}, kPlacesNone);
    const std::u16string shown = BoxText(outcome.shownText);
    std::vector<std::u16string> found, expected;
    for (const BoxRange& range : FindingRangesInBox(outcome.result, outcome.shownText)) {
      found.push_back(shown.substr(range.start, range.end - range.start));
    }
    for (const std::string& inside : insides) expected.push_back(Utf16(inside));
    EXPECT_EQ(found, expected) << box;
  }
}

// What the front ends say of findings: the explanation naming each finding's word, and the status
// line.

struct TextsCase {
  std::string box;  // UTF-8
  bool review;
  std::vector<std::string> explanations;
  std::string status;
};

TEST(FindingTexts, ExplanationsAndStatusLine) {
  const TextsCase cases[] = {
      {kCup, false,
       {"“手柄”缺乏引用基础", "编号与前一条权利要求不连续", "缺少句号“。”"},
       "1套 · 3条权利要求 · 2条有问题 · 问题3处    需修改 2 · 请复核 1 · 提示 0"},
      {"1.一种杯子，其特征在于，杯体优选为陶瓷；；杯盖为圆形圆形。", true,
       {"标点“；；”重复或冲突", "“优选”使保护范围不清楚", "用词重复或疑似笔误：“圆形圆形”"},
       "1套 · 1条权利要求 · 1条有问题 · 问题3处    需修改 3 · 请复核 0 · 提示 0"},
      // No independent claim: no summary, so no sets and no claims with problems.
      {"1.根据权利要求1所述的杯子，其特征在于，杯体为陶瓷。", false,
       {"所引用的权利要求编号不小于本权利要求的编号"}, "1条权利要求    需修改 1 · 请复核 0 · 提示 0"},
      {"权利要求书", false, {}, ""},
  };
  for (const TextsCase& c : cases) {
    const CheckOutcome outcome = RunCheck(Gbk(c.box), {.review = c.review});
    std::vector<std::string> explanations;
    for (const ClaimResult& claim : outcome.result.claims) {
      for (const Finding& finding : claim.findings) {
        explanations.push_back(Utf8(FindingExplanation(finding)));
      }
    }
    EXPECT_EQ(explanations, c.explanations) << c.box;
    EXPECT_EQ(Utf8(StatusLine(outcome.result)), c.status) << c.box;
  }
}

// A finding without its word is still explained, without the quotation.
TEST(FindingTexts, WithoutTheWord) {
  Finding finding;
  finding.code = FindingCode::kAntecedent;
  EXPECT_EQ(Utf8(FindingExplanation(finding)), "缺乏引用基础");
}

// The reviewed copy's plan: which findings get a comment, on which words, with which text, and
// the certain corrections as changes, all in the user's own text.

// "LINE:COLUMN+LENGTH TEXT" per comment or change, in UTF-8.
std::vector<std::string> Listed(const auto& items) {
  std::vector<std::string> lines;
  for (const auto& item : items) {
    lines.push_back(std::to_string(item.place.line) + ":" + std::to_string(item.place.column) +
                    "+" + std::to_string(item.length) + " " + Utf8(item.text));
  }
  return lines;
}

struct PlanCase {
  std::vector<std::string> claims;
  bool further;
  std::vector<std::string> comments, changes;
};

TEST(ReviewPlan, CommentsAndChangesInTheUsersText) {
  const PlanCase cases[] = {
      // An antecedent on "所述" and its term; the claim's number for a claim-level finding,
      // every digit of it; the renumbering as changes of the number and the reference.
      {{"1.一种杯子，其特征在于，包括杯体。", "3.根据权利要求1所述的杯子，其特征在于，所述手柄为塑料。",
        "12.根据权利要求3所述的杯子，其特征在于，杯体为圆形。"},
       false,
       {"2:1+1 需修改：编号与前一条权利要求不连续", "2:22+4 请复核：“手柄”缺乏引用基础",
        "3:1+2 需修改：编号与前一条权利要求不连续"},
       {"2:1+1 2", "3:1+2 3", "3:10+1 2"}},
      // (A further check's comment only with the further checks: the window's reviewed copies.)
      // Blanks, full-width digits and a character outside GBK count as the user wrote them; the
      // full stop in place of the final "；".
      {{"  1．一种杯子，其特征在于，包括杯体。", "２.根据权利要求１所述的𠀋杯子，其特征在于，杯体 为圆形；"},
       true,
       {"2:1+1 需修改：缺少句号“。”"},
       {"2:29+1 。"}},
      // A note gets no comment: a suspected independent claim.
      {{"1.一种杯子，其特征在于，包括杯体。", "2.一种根据权利要求1所述的杯子的盖，其特征在于，包括盖体。"}, true, {}, {}},
  };
  for (const PlanCase& c : cases) {
    const ReviewPlan plan = PlanReviewOfText(GbkParagraphs(c.claims), c.further);
    EXPECT_EQ(Listed(plan.comments), c.comments) << c.claims.back();
    EXPECT_EQ(Listed(plan.changes), c.changes) << c.claims.back();
  }
}

}  // namespace
