// The engine as the page calls it; the page shows what it gives and works nothing out again.
//
// Check(bytes, review) takes the box's text as GB18030 bytes (line breaks "\r\n") and whether the
// further checks run too ("更多检查"), and returns
//   {shownText, messages, congratulation, checked, statusLine,
//    findings: [{claim, severity, inside, explanation, fix, start, end}], redRanges: [start, end, …]}
// with the text to show, the texts the check sent to the message sink, in order, the
// congratulation to show once the text is on screen (null when none is due), whether a claim was
// found and analysed, the status line, and every finding in report order: its claim's number, its
// severity's name, the inside of its mark as the report shows it, its explanation, its fix's sign
// and title (null when it has none), and the range
// of that inside in shownText as the page holds it (UTF-16 offsets, each "\r\n" one "\n"; the
// findings of a merged bracket share theirs), and the inside of every bracket the report writes,
// the summary's "【 】" too, in the same offsets: what the page shows in red.
//
// SavedReport(bytes, html, holdsReport, savedAt) returns the report to save, as GB18030 bytes:
// the last check's saved report while the box still holds its report (`holdsReport`; `bytes` is
// then not read), else the box's text `bytes` (GB18030, lines ending in "\r\n") saved as it
// stands; as a web page when `html`, else as text; `savedAt` in seconds since the epoch.
//
// Fix(bytes, review, finding) applies the fix of the check's finding `finding` (its place in
// `findings`) to the same text, FixAll(bytes, review) every fix as the command line's --fix does;
// both return {text, edits, statusLine, check}: the corrected text, the edits applied (0, and the
// text as given, when there was nothing to apply), the status line that says so, and Check of
// the corrected text. The page hands over the text of the check whose findings it shows.
//
// ReviewPlan(bytes, review) returns what the reviewed Word copy of the box's text `bytes` holds:
//   {comments: [{line, column, length, text}], changes: [{line, column, length, text}]}
// each comment on `length` characters from `line` and `column` (from 1, in code points of the
// text as given, as findings' places count), its text the severity's word and the explanation;
// each change the `length` characters there replaced by `text`. The further checks always run
// for the changes; `review` also gives their findings comments (ReviewPlan.h).
//
// Texts() returns {severityWords: {fix, review, note}, reportName, fixCommand, fixAllCommand,
// document}: the words the page shows of a severity, the name a saved report is offered under,
// without its ending, the captions of 修正 and 全部修正, and what the page's reader of Word
// documents goes by and says (report/DocumentTexts.h): {claimsHeading, otherPartHeadings: […],
// maxUnpackedBytes, maxUnpackRatio, cannotOpen, cannotReview, refused:
// {password, passwordEntry, wps, word97, damagedZip, leavesPackage, tooLarge, openDocument,
// notWord, noBody, notXml, notText}}, the limits as numbers.
//
// Every text is GB18030 bytes in a Uint8Array of its own, which the page decodes; severities are
// ASCII names.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "CheckCommand.h"
#include "FixCommand.h"
#include "MessageSink.h"
#include "report/BoxRanges.h"
#include "report/DocumentTexts.h"
#include "report/FindingTexts.h"
#include "report/ReviewPlan.h"
#include "report/SavedReport.h"
#include "text/GbkTexts.h"

namespace {

using emscripten::val;

// The last check, which the page saves while its box holds that check's report.
CheckOutcome g_lastCheck;

// A copy of `bytes`, which stays valid after the engine's next call.
val Bytes(std::string_view bytes) {
  return val::global("Uint8Array")
      .new_(emscripten::typed_memory_view(bytes.size(),
                                          reinterpret_cast<const unsigned char*>(bytes.data())));
}

val Name(std::string_view name) { return val(std::string(name)); }

val Findings(const AnalysisResult& result, std::string_view report) {
  val findings = val::array();
  const std::vector<BoxRange> ranges = FindingRangesInBox(result, report);
  size_t index = 0;
  for (const ClaimResult& claim : result.claims) {
    for (const Finding& finding : claim.findings) {
      const BoxRange& range = ranges[index++];
      val entry = val::object();
      entry.set("claim", claim.number);
      entry.set("severity", Name(SeverityName(finding.severity)));
      entry.set("inside", Bytes(InsideOfMark(finding)));
      entry.set("explanation", Bytes(FindingExplanation(finding)));
      entry.set("fix", finding.fix ? Bytes(FixLabel(finding)) : val::null());
      entry.set("start", range.start);
      entry.set("end", range.end);
      findings.call<void>("push", entry);
    }
  }
  return findings;
}

// The messages the engine sends while `run` runs, in order.
template <typename Run>
val Messages(Run run) {
  val messages = val::array();
  const ScopedMessageSink sink(
      [&messages](const std::string& message) { messages.call<void>("push", Bytes(message)); });
  run();
  return messages;
}

// Also keeps the outcome as the last check, which SavedReport saves.
val Checked(CheckOutcome outcome, val messages) {
  val checked = val::object();
  checked.set("shownText", Bytes(outcome.shownText));
  checked.set("messages", messages);
  checked.set("congratulation",
              outcome.congratulate ? Bytes(gbk::kMessageCongratulation) : val::null());
  checked.set("checked", outcome.checked);
  checked.set("statusLine", Bytes(StatusLine(outcome.result)));
  checked.set("findings", Findings(outcome.result, outcome.shownText));
  val red = val::array();
  for (const BoxRange& range : SpanRangesInBox(outcome.result.markInsides, outcome.shownText)) {
    red.call<void>("push", range.start);
    red.call<void>("push", range.end);
  }
  checked.set("redRanges", red);
  g_lastCheck = std::move(outcome);
  return checked;
}

val SavedReport(const std::string& boxText, bool html, bool holdsReport, double savedAt) {
  const SavedReportSource source{.text = holdsReport ? g_lastCheck.shownText : boxText,
                                 .result = holdsReport ? &g_lastCheck.result : nullptr,
                                 .fileName = {},
                                 .savedAt = static_cast<std::time_t>(savedAt),
                                 .version = QUILLEX_VERSION};
  return Bytes(html ? SavedReportHtml(source) : SavedReportText(source));
}

val Check(const std::string& text, bool review) {
  CheckOutcome outcome;
  // The report's places stay bytes, which the findings' ranges are counted from.
  val messages = Messages([&] { outcome = RunCheck(text, {.review = review}, kPlacesNone); });
  return Checked(std::move(outcome), messages);
}

template <typename Apply>
val Fixed(Apply apply) {
  FixedText fixed;
  val messages = Messages([&] { fixed = apply(); });
  val result = val::object();
  result.set("text", Bytes(fixed.text));
  result.set("edits", fixed.edits);
  result.set("statusLine", Bytes(FixedStatusLine(fixed.edits, fixed.outcome.result)));
  result.set("check", Checked(std::move(fixed.outcome), messages));
  return result;
}

val FixOneFinding(const std::string& text, bool review, int finding) {
  return Fixed([&] { return FixFinding(text, {.review = review}, finding); });
}

val FixEverything(const std::string& text, bool review) {
  return Fixed([&] { return FixAll(text, {.review = review}); });
}

val DocumentTexts() {
  val headings = val::array();
  for (std::string_view heading : kOtherPartHeadings) headings.call<void>("push", Bytes(heading));
  val refused = val::object();
  for (const auto& [name, text] : {std::pair{"password", kRefusedPassword},
                                   {"passwordEntry", kRefusedPasswordEntry},
                                   {"wps", kRefusedWps},
                                   {"word97", kRefusedWord97},
                                   {"damagedZip", kRefusedDamagedZip},
                                   {"leavesPackage", kRefusedLeavesPackage},
                                   {"tooLarge", kRefusedTooLarge},
                                   {"openDocument", kRefusedOpenDocument},
                                   {"notWord", kRefusedNotWord},
                                   {"noBody", kRefusedNoBody},
                                   {"notXml", kRefusedNotXml},
                                   {"notText", kRefusedNotText}}) {
    refused.set(name, Bytes(text));
  }
  val document = val::object();
  document.set("claimsHeading", Bytes(kClaimsHeading));
  document.set("otherPartHeadings", headings);
  document.set("maxUnpackedBytes", static_cast<double>(kMaxUnpackedBytes));
  document.set("maxUnpackRatio", static_cast<double>(kMaxUnpackRatio));
  document.set("cannotOpen", Bytes(kCannotOpen));
  document.set("cannotReview", Bytes(kCannotReview));
  document.set("refused", refused);
  return document;
}

template <typename Item>
val Placed(const std::vector<Item>& items) {
  val placed = val::array();
  for (const Item& item : items) {
    val entry = val::object();
    entry.set("line", item.place.line);
    entry.set("column", item.place.column);
    entry.set("length", item.length);
    entry.set("text", Bytes(item.text));
    placed.call<void>("push", entry);
  }
  return placed;
}

val PlanOfReview(const std::string& text, bool review) {
  ReviewPlan plan;
  // The messages are the check's, which the page has shown already.
  Messages([&] { plan = PlanReviewOfText(text, review); });
  val result = val::object();
  result.set("comments", Placed(plan.comments));
  result.set("changes", Placed(plan.changes));
  return result;
}

val Texts() {
  val words = val::object();
  for (const Severity severity : {Severity::kFix, Severity::kReview, Severity::kNote}) {
    words.set(Name(SeverityName(severity)), Bytes(SeverityWord(severity)));
  }
  val texts = val::object();
  texts.set("severityWords", words);
  texts.set("reportName", Bytes(kReportName));
  texts.set("fixCommand", Bytes(kFixCommand));
  texts.set("fixAllCommand", Bytes(kFixAllCommand));
  texts.set("document", DocumentTexts());
  return texts;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quillex) {
  emscripten::function("Check", &Check);
  emscripten::function("SavedReport", &SavedReport);
  emscripten::function("Fix", &FixOneFinding);
  emscripten::function("FixAll", &FixEverything);
  emscripten::function("ReviewPlan", &PlanOfReview);
  emscripten::function("Texts", &Texts);
}
