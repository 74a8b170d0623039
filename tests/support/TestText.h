// Readable Chinese in the tests, GB18030 bytes in the engine. Texts are converted with iconv(3),
// never with a table of our own, so a test cannot share a mistake with the engine's texts.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "claims/ClaimRecord.h"
#include "result/Finding.h"

// The GB18030 bytes of a UTF-8 text, and back. A text that does not convert fails the test.
std::string Gbk(std::string_view utf8);
std::string Utf8(std::string_view gbk);
// The UTF-16 of a UTF-8 text, as a text box holds it.
std::u16string Utf16(std::string_view utf8);

// The GB18030 bytes of UTF-8 paragraphs joined by "\r\n", as the box gives them.
std::string GbkParagraphs(const std::vector<std::string>& utf8Paragraphs);

// "3.一种装置，其特征在于，包括A。", or with `refs`
// "3.根据权利要求<refs>所述的装置，其特征在于，包括A。".
std::string CleanClaim(int number, std::string_view refs = "", std::string_view subject = "装置");

// What checking the box's text `gbk` shows, in UTF-8. The report is also held to the rules every
// report obeys (summary, set headers, stars and problem counts agree with the records).
struct EngineRun {
  std::string text;
  std::vector<std::string> messages;
  bool checked = false, congratulate = false;
};
EngineRun Check(std::string_view gbk);

// What the report of the last Check shows of the record at `pos`, in UTF-8: its tags, its merged
// marks and its text with the antecedent brackets.
std::string HeadOf(int pos);
std::string MarksOf(int pos);
std::string TextOf(int pos);

// Checks the claims (UTF-8 paragraphs) of each case and expects each record's merged marks.
struct MarksCase {
  std::vector<std::string> claims, marks;
};
void ExpectMarks(const std::vector<MarksCase>& cases);

// The marks (UTF-8, one after the other) that `check` finds in the last of `claims` (UTF-8, one
// paragraph each), checked first so that every record is complete. Each finding must name the
// bytes it points at as its term.
using FurtherCheck =
    std::function<void(const ClaimRecord&, std::string_view, std::vector<Finding>&)>;
std::string FurtherMarks(FurtherCheck check, const std::vector<std::string>& claims);

// FurtherMarks of a check that reads the text alone, on one claim.
using TextCheck = void (*)(std::string_view, std::vector<Finding>&);
std::string FurtherMarks(TextCheck check, const std::string& claim);

// Expects the marks of each case: the claim (or the claims) and what `check` finds in it.
void ExpectFurtherMarks(TextCheck check,
                        const std::vector<std::pair<std::string, std::string>>& cases);
void ExpectFurtherMarks(const FurtherCheck& check,
                        const std::vector<std::pair<std::vector<std::string>, std::string>>& cases);
