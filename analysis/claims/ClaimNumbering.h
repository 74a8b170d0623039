// Paragraph splitting, claim numbers, and gathering paragraphs into claims.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextSpan.h"

// Claim numbers run from 1 to 9999; 0 stands for no number.
inline constexpr int32_t kMaxClaimNumber = 9999;

// The value of a run of ASCII digits, leading zeros and all; a value above 9999 (however long
// the run) gives 10000, so callers can tell "too large" without overflow. "" gives 0.
int32_t DigitRunValue(std::string_view digits);

// The decimal number at the start of the trimmed text, read like atoi (an optional sign, then
// digits up to the first other character). Returns 0 when there is no number or it lies outside
// 0 to 9999.
int32_t ParseClaimNumber(std::string_view text);

// Appends `number` (0 or more) in decimal digits and a ";" to `list`: one item of a number list.
void AppendListItem(std::string& list, int32_t number);

// Calls `visit(item)` for every item of a number list, in order: the text before each ";" since
// the one before it. Text after the last ";" is no item.
template <typename Visit>
void ForEachListItem(std::string_view list, Visit visit) {
  size_t start = 0;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] != ';') continue;
    visit(list.substr(start, i - start));
    start = i + 1;
  }
}

// The number of the claim that the paragraph opens ("12、根据…" or "1.一种…": digits, "." or
// "、", then a Chinese character), or 0 when it opens none.
int32_t ClaimStartNumber(std::string_view paragraph);

// The numbers of the claims that stand unread in the text of the record numbered `number`: a
// paragraph after its first that opens with a number and "." or "、", then a letter, a digit or
// "(" rather than a Chinese character ("14.a-β-不饱和羧酸的聚酯…", "2.CHA型分子筛的合成方法…"),
// its number going on by one from the record's or from the unread claim's before it. Findings that
// rest on such a claim's absence (a gap in the numbers, a parent not found, a second full stop)
// come from the reading, not from the claims.
std::vector<int32_t> UnreadClaimNumbers(std::string_view text, int32_t number);

// Fills g_paragraphs with views of the pieces of `text` between "\r\n", trimmed, empty ones left
// out, and `spans` (when given) with where each of them lies in `text`. `text` must stay as it is
// while g_paragraphs is used: the analysis splits g_analysedText.
void SplitParagraphs(std::string_view text, std::vector<TextSpan>* spans = nullptr);

// The position in g_paragraphs of the first paragraph that opens claim 1, or -1.
int FindClaimOneParagraph();

// Gathers g_paragraphs from position `first` (the paragraph of claim 1) into one record per claim
// in g_claims: each paragraph that opens a claim starts a record, every other one is joined to
// the record before it with "\r\n". A record's text is a view of the paragraphs' text where they
// follow each other there with one "\r\n" between, and of a text g_claims keeps otherwise.
void GatherClaims(int first);

// Appends "【本权编号与前不连续】" to the record at `pos` when its number does not follow the
// number of the record before it. The first record is never marked.
void CheckNumbering(int pos);
