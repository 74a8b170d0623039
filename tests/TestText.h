// Test-only helpers: readable Chinese in the tests, GB18030 bytes in the engine.
//
// Texts are converted with iconv(3), never with a table of our own, so a test cannot share a
// mistake with the engine's texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The GB18030 bytes of a UTF-8 text. A text that does not convert fails the running test.
std::string Gbk(std::string_view utf8);

// The UTF-8 text of GB18030 bytes. Bytes that do not convert fail the running test.
std::string Utf8(std::string_view gbk);

// The GB18030 bytes of the given UTF-8 paragraphs, joined by "\r\n" as the box gives them.
std::string GbkParagraphs(const std::vector<std::string>& utf8Paragraphs);

// A claim without findings, in UTF-8: "3.一种装置，其特征在于，包括A。" when `refs` is empty,
// else "3.根据权利要求<refs>所述的装置，其特征在于，包括A。".
std::string CleanClaim(int number, std::string_view refs = "", std::string_view subject = "装置");

// What one run of the engine shows: its text and the message boxes, both in UTF-8.
struct EngineRun {
  std::string text;  // the report, or whatever came back instead
  std::vector<std::string> messages;
  bool checked = false;       // RunCheck only
  bool congratulate = false;  // RunCheck only
};

// Empties the arrays and runs AnalyzeClaims on `gbk` (already normalised), recording messages.
EngineRun Analyze(std::string_view gbk);

// Runs RunCheck on `gbk` as the box's text, recording messages.
EngineRun Check(std::string_view gbk);

// The marks (merged once the analysis is over) and the text of the record at `pos`, in UTF-8.
std::string MarksOf(int pos);
std::string TextOf(int pos);
