// The report as a drafter saves it to send on: as plain text, the box's text under the count of
// findings by severity; as a web page, a title, where and when it came from, that count, a table
// of the problems linked to their claims and the annotated claims with the marks in red, made to
// be read in any browser offline and printed on A4.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "result/AnalysisResult.h"

struct SavedReportSource {
  // What the box holds, GBK, its lines ending in "\r\n" or "\n".
  std::string_view text;
  // The check whose report `text` is, with its places in bytes of `text` (as RunCheck leaves them
  // when asked for no places in the report); nullptr when the box holds anything else (an edited
  // report, the help text, a text without claim 1): there is then no count and no table.
  const AnalysisResult* result = nullptr;
  std::string_view fileName;  // GBK: the checked file's name, "" when the text came from no file
  std::time_t savedAt = 0;    // shown in local time, to the minute
  std::string_view version;   // the program's version, e.g. "1.0"
};

// The plain text: with a result, its count by severity (SeveritySummary) and a blank line, then
// `text`; lines end in "\n".
std::string SavedReportText(const SavedReportSource& source);

// A complete HTML document, GBK like every text of the engine, which declares itself UTF-8: the
// caller converts it before writing. With a result, every inside of the report's brackets is red
// and each row of the table links to its claim's head; without one, the inside of each "【…】"
// of the text is red. Every "<", ">", "&" and quotation mark of the text is escaped.
std::string SavedReportHtml(const SavedReportSource& source);
